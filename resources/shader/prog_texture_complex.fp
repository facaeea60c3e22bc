#version 110
// Colour u_v4_clr (RGBA); opacity = colour alpha x mask alpha (unit 0, spread over
// u_flt_mask_pos = (left, top, right, bottom) in plane coordinates) x per-vertex opacity
// x (1 - u_flt_inv_alpha).
uniform vec4 u_v4_clr;
uniform float u_flt_inv_alpha;
uniform sampler2D u_sam_tex_mask;
uniform vec4 u_flt_mask_pos;
varying vec2 v_v2_pos;
varying float v_flt_alpha;

void main()
{
    vec2 size = vec2(u_flt_mask_pos.z - u_flt_mask_pos.x, u_flt_mask_pos.y - u_flt_mask_pos.w);
    vec2 mst = clamp((v_v2_pos - vec2(u_flt_mask_pos.x, u_flt_mask_pos.w)) / size, 0.0, 1.0);
    float mask = texture2D(u_sam_tex_mask, mst).a;
    float fade = clamp(1.0 - u_flt_inv_alpha, 0.0, 1.0);
    gl_FragColor = vec4(u_v4_clr.rgb, u_v4_clr.a * mask * clamp(v_flt_alpha, 0.0, 1.0) * fade);
}
