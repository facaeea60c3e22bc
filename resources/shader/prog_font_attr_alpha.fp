#version 110
// Colour u_v3_clr; opacity = atlas coverage x per-vertex opacity x (1 - u_flt_inv_alpha).
uniform sampler2D u_sam_tex;
uniform vec3 u_v3_clr;
uniform float u_flt_inv_alpha;
varying vec2 v_v2_txc;
varying float v_flt_alpha;

void main()
{
    float coverage = texture2D(u_sam_tex, v_v2_txc).a;
    float fade = clamp(1.0 - u_flt_inv_alpha, 0.0, 1.0);
    gl_FragColor = vec4(u_v3_clr, coverage * clamp(v_flt_alpha, 0.0, 1.0) * fade);
}
