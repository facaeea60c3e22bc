#version 110
// The picture's colour; opacity = picture alpha x per-vertex opacity x (1 - u_flt_inv_alpha).
uniform sampler2D u_sam_tex;
uniform float u_flt_inv_alpha;
varying vec2 v_v2_txc;
varying float v_flt_alp;

void main()
{
    vec4 c = texture2D(u_sam_tex, v_v2_txc);
    float fade = clamp(1.0 - u_flt_inv_alpha, 0.0, 1.0);
    gl_FragColor = vec4(c.rgb, c.a * clamp(v_flt_alp, 0.0, 1.0) * fade);
}
