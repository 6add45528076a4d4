#include "compositefile.h"

#include "numbers/errors.h"

namespace model {

QByteArray writeDescription(const Description&)
{
    return {};
}

Description readDescription(const QByteArray&)
{
    throw rt::Error(rt::ErrorKind::TypeMismatch, {}, QStringLiteral("Noch nicht gebaut."));
}

} // namespace model
