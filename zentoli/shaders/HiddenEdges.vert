#version 120
// Edges behind the model's faces. lineDistance is the distance along the edge from its start,
// in pixels; it drives the dash pattern.
attribute float lineDistance;
uniform float dashLength;
varying float dashCoord;
varying vec4 edgeColor;

void main()
{
    gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;
    dashCoord = lineDistance / max(dashLength, 1.0);
    edgeColor = gl_Color;
}
