#version 120
// Channel mixer: the red of the picture turns into colour r, its green into
// colour g and its blue into colour b, and the three are added up. Pure red,
// green and blue for r, g and b leave the picture as it is.
uniform sampler2D texture;
uniform vec4 r;
uniform vec4 g;
uniform vec4 b;

void main()
{
    vec4 color = texture2D(texture, gl_TexCoord[0].xy) * gl_Color;
    vec3 mixed = color.r * r.rgb + color.g * g.rgb + color.b * b.rgb;
    gl_FragColor = vec4(clamp(mixed, 0.0, 1.0), color.a);
}
