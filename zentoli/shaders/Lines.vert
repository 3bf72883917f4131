#version 120
// Model edges and wires: plain transformed lines in their own colour. The depth is pulled a
// little towards the viewer so that an edge is not hidden by the faces it borders.
uniform float depthOffset;
varying vec4 lineColor;

void main()
{
    gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;
    gl_Position.z -= depthOffset * gl_Position.w;
    lineColor = gl_Color;
}
