// Description texts in the form the board's description is written in, for
// the reader's tests and the fuzz corpus alike.
#pragma once

#include <cstdio>
#include <string>

namespace cuprum::description_text {

inline std::string Format(const char* format, double a, double b, double c) {
  char text[256];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

inline std::string Header() {
  return "#include \"stdafx.h\"\r\n\r\n#include \"Component.h\"\r\n#include \"Cube.h\"\r\n"
         "#include \"Cylinder.h\"\r\n#include \"Sphere.h\"\r\n#include \"Component2Pin.h\"\r\n"
         "#include \"DIP.h\"\r\n#include \"SIP.h\"\r\n#include \"ZIP.h\"\r\n#include \"Edge.h\"\r\n\r\n"
         "\r\n\r\n\r\nconst float tenth_inch=0.00254;\r\n\r\n";
}

// The centred flag, the orientation (radians) and the position (tenths).
inline std::string MechanicalArguments(double turn, double x, double y, double z) {
  return "false, " + Format("RealVector{ %16le, %16le, %16le }", 0.0, 0.0, turn) + ", \r\n" +
         Format("RealVector{ %16.1f*tenth_inch, %16.1f*tenth_inch, %16.1f*tenth_inch }", x, y, z);
}

// A statement over a cube: size (tenths), turn about z, position (tenths).
inline std::string CubeStatement(const std::string& header, double sx, double sy, double sz,
                                 double turn, double x, double y, double z) {
  return header + "(\r\n" +
         Format("%16.1f*tenth_inch, %16.1f*tenth_inch, %16.1f*tenth_inch, \r\n", sx, sy, sz) +
         MechanicalArguments(turn, x, y, z) + ");\r\n";
}

constexpr double QUARTER_TURN = 1.5707963267948966;

// A DIP of `pins` pins, `width` tenths wide, turned U, its first pin at
// column, row (tenths).
inline std::string Dip(const std::string& name, int pins, int width, double column, double row) {
  return CubeStatement("DIP " + name, pins / 2, width, 1.0, QUARTER_TURN, -column, row, 0.0);
}

// The board: width and depth in tenths, two sides thick.
inline std::string Board(double xTenths, double yTenths, double layers = 2.0) {
  return CubeStatement("CircuitBoard pCircuitBoard_Z", xTenths, yTenths, layers * 0.25, 0.0,
                       -xTenths, 0.0, -layers * 0.5);
}

}  // namespace cuprum::description_text
