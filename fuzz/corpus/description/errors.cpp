int a; int a;
const float x = 1/0;
DIP pDIP_Z(
