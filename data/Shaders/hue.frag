#version 120
// Turns the hue of the picture by fHue degrees: a rotation of the colour
// about the grey axis, which keeps grey pixels grey.
uniform sampler2D texture;
uniform float fHue;

void main()
{
    vec4 color = texture2D(texture, gl_TexCoord[0].xy) * gl_Color;
    float angle = radians(fHue);
    float c = cos(angle);
    float s = sin(angle);
    float k = (1.0 - c) / 3.0;
    float q = sqrt(1.0 / 3.0) * s;
    mat3 rotation = mat3(c + k, k + q, k - q,
                         k - q, c + k, k + q,
                         k + q, k - q, c + k);
    gl_FragColor = vec4(clamp(rotation * color.rgb, 0.0, 1.0), color.a);
}
