#version 120
// Refraction: shows the background behind the picture, shifted by the
// picture's red (horizontally) and green (vertically). Mid grey shifts
// nothing; full red shifts by "width" picture pixels, no red by -"width".
// The picture's alpha says how much of the shifted background shows.
uniform sampler2D texture;
uniform sampler2D background_texture;
uniform vec2 texture_size;
uniform float width;
uniform float height;

void main()
{
    vec4 color = texture2D(texture, gl_TexCoord[0].xy);
    vec2 shift = (color.rg * 2.0 - 1.0) * vec2(width, height) * texture_size;
    vec4 behind = texture2D(background_texture, gl_TexCoord[1].xy + shift);
    gl_FragColor = vec4(behind.rgb, color.a * gl_Color.a);
}
