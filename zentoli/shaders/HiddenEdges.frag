#version 120
// Edges behind the model's faces: drawn dashed (gaps as long as the dashes) and dimmed
// towards the background colour.
uniform float dimming;
uniform vec4 background;
varying float dashCoord;
varying vec4 edgeColor;

void main()
{
    if (fract(dashCoord) >= 0.5)
        discard;
    gl_FragColor = mix(edgeColor, background, clamp(dimming, 0.0, 1.0));
}
