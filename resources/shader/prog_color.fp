#version 110
// The interpolated vertex colour, faded by the inverted opacity u_flt_inv_alpha.
uniform float u_flt_inv_alpha;
varying vec4 v_v4_clr;

void main()
{
    gl_FragColor = vec4(v_v4_clr.rgb, v_v4_clr.a * clamp(1.0 - u_flt_inv_alpha, 0.0, 1.0));
}
