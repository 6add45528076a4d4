#pragma once

// The name of every window: the key the window registry knows it by, and
// what code passes to show, hide and unload it.
namespace names {

inline constexpr char kFrame[] = "MDIForm1";
inline constexpr char kStart[] = "Form1";
inline constexpr char kRoot[] = "fowurzel";
inline constexpr char kInfo[] = "foinfo";
inline constexpr char kWorkedSolution[] = "forechenweg";
inline constexpr char kInverse[] = "foumkehraufgabe";
inline constexpr char kComposite[] = "fozusammengesetzt";

inline constexpr char kCube[] = "fowürfel";
inline constexpr char kCuboid[] = "foquader";
inline constexpr char kPyramid[] = "fopyramide";
inline constexpr char kCylinder[] = "fozylinder";
inline constexpr char kPrism[] = "foprisma";
inline constexpr char kCone[] = "fokegel";
inline constexpr char kParallelepiped[] = "fospat";
inline constexpr char kSphere[] = "fokugel";
inline constexpr char kTorus[] = "fotorus";
inline constexpr char kHollowCylinder[] = "fohohlzylinder";
inline constexpr char kHemisphere[] = "fohalbkugel";
inline constexpr char kSphericalCap[] = "fokugelabschnitt";
inline constexpr char kTetrahedron[] = "fotetraeder";
inline constexpr char kOctahedron[] = "fooktaeder";

} // namespace names
