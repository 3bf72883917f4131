#version 120
// Model edges and wires: the line's colour, unlit.
varying vec4 lineColor;

void main()
{
    gl_FragColor = lineColor;
}
