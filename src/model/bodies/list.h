// Every body the inverse solver offers, in the order of its list. Each line
// names the function of a body's own file in this folder, `const Body& f()`
// in namespace model; body.cpp declares and lists them from here. A new body
// is its file and its line: the build finds the file, and the Umkehraufgabe,
// the worksheets and the tests that go through every body find the line.
// No include guard: the file is read once for each use of SOLVANTO_BODY.
SOLVANTO_BODY(cube)
SOLVANTO_BODY(cuboid)
SOLVANTO_BODY(pyramid)
SOLVANTO_BODY(frustum)
SOLVANTO_BODY(cylinder)
SOLVANTO_BODY(cone)
SOLVANTO_BODY(coneFrustum)
SOLVANTO_BODY(sphere)
SOLVANTO_BODY(prism)
SOLVANTO_BODY(parallelepiped)
SOLVANTO_BODY(torus)
SOLVANTO_BODY(hollowCylinder)
SOLVANTO_BODY(hemisphere)
SOLVANTO_BODY(sphericalCap)
SOLVANTO_BODY(tetrahedron)
SOLVANTO_BODY(octahedron)
SOLVANTO_BODY(triangularPrism)
SOLVANTO_BODY(trapezoidPrism)
SOLVANTO_BODY(rectangularPyramid)
SOLVANTO_BODY(generalPrism)
SOLVANTO_BODY(generalPyramid)
SOLVANTO_BODY(halfCylinder)
SOLVANTO_BODY(hollowSphere)
