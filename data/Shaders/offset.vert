#version 120
// Passes the picture's coordinates, the coordinates of the background copy
// behind it (texture unit 1) and the object's blend colour on.
void main()
{
    gl_TexCoord[0] = gl_MultiTexCoord0;
    gl_TexCoord[1] = gl_MultiTexCoord1;
    gl_FrontColor = gl_Color;
    gl_Position = ftransform();
}
