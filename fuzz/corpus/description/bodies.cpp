#include "stdafx.h"

#include "Component.h"
#include "Cube.h"
#include "Cylinder.h"
#include "Sphere.h"
#include "Component2Pin.h"
#include "DIP.h"
#include "SIP.h"
#include "ZIP.h"
#include "Edge.h"




const float tenth_inch=0.00254;

Sphere pSphere_Y(
    1.000000e-03, 
false, RealVector{     0.000000e+00,     0.000000e+00,     0.000000e+00 }, 
RealVector{             -5.0*tenth_inch,              5.0*tenth_inch,              0.0*tenth_inch });
Cylinder pCylinder_X(
    1.000000e-02,     1.000000e-03, 
false, RealVector{     0.000000e+00,     0.000000e+00,     0.000000e+00 }, 
RealVector{             -5.0*tenth_inch,              5.0*tenth_inch,              0.0*tenth_inch });
MechanicalComponent pobjectW(
false, RealVector{     0.000000e+00,     0.000000e+00,     0.000000e+00 }, 
RealVector{              1.0*tenth_inch,              1.0*tenth_inch,              0.0*tenth_inch });
