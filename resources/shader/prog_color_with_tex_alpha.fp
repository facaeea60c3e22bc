#version 110
// The interpolated vertex colour; opacity = vertex alpha x texture alpha x (1 - u_flt_inv_alpha).
uniform sampler2D u_sam_tex;
uniform float u_flt_inv_alpha;
varying vec4 v_v4_clr;
varying vec2 v_v2_txc;

void main()
{
    float a = texture2D(u_sam_tex, v_v2_txc).a;
    gl_FragColor = vec4(v_v4_clr.rgb, v_v4_clr.a * a * clamp(1.0 - u_flt_inv_alpha, 0.0, 1.0));
}
