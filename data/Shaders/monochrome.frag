#version 120
// The tinted picture in grey: each pixel's luminance, its own alpha.
uniform sampler2D texture;

void main()
{
    vec4 color = texture2D(texture, gl_TexCoord[0].xy) * gl_Color;
    float luminance = dot(color.rgb, vec3(0.299, 0.587, 0.114));
    gl_FragColor = vec4(vec3(luminance), color.a);
}
