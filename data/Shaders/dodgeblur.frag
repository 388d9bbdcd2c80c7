#version 120
// Blurs the background behind the picture along one axis (vertical 0:
// across, 1: down) over "radius" picture pixels on each side, then
// colour-dodges the tinted picture onto it: bright pixels lighten the blur.
uniform sampler2D texture;
uniform sampler2D background_texture;
uniform vec2 texture_size;
uniform float vertical;
uniform float radius;

const int TAPS = 8;

void main()
{
    vec4 color = texture2D(texture, gl_TexCoord[0].xy) * gl_Color;
    vec2 axis = vertical > 0.5 ? vec2(0.0, texture_size.y) : vec2(texture_size.x, 0.0);
    vec2 step = axis * radius / float(TAPS);
    vec3 sum = texture2D(background_texture, gl_TexCoord[1].xy).rgb;
    for (int i = 1; i <= TAPS; i++) {
        sum += texture2D(background_texture, gl_TexCoord[1].xy + step * float(i)).rgb;
        sum += texture2D(background_texture, gl_TexCoord[1].xy - step * float(i)).rgb;
    }
    vec3 blurred = sum / float(2 * TAPS + 1);
    vec3 dodged = blurred / max(vec3(1.0) - color.rgb, vec3(0.001));
    gl_FragColor = vec4(clamp(dodged, 0.0, 1.0), color.a);
}
