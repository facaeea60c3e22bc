#version 110
// The picture (unit 0) faded by a mask picture (unit 1) spread over the rectangle
// u_flt_mask_pos = (left, top, right, bottom) in plane coordinates (y upward, so top > bottom).
// The mask's alpha multiplies the opacity; outside the rectangle the mask's edge texels repeat.
// Mask pictures are stored bottom row first like every picture: t = 0 is the bottom edge.
uniform sampler2D u_sam_tex;
uniform sampler2D u_sam_tex_mask;
uniform float u_flt_inv_alpha;
uniform vec4 u_flt_mask_pos;
varying vec2 v_v2_txc;
varying vec2 v_v2_pos;

void main()
{
    vec2 size = vec2(u_flt_mask_pos.z - u_flt_mask_pos.x, u_flt_mask_pos.y - u_flt_mask_pos.w);
    vec2 mst = clamp((v_v2_pos - vec2(u_flt_mask_pos.x, u_flt_mask_pos.w)) / size, 0.0, 1.0);
    float mask = texture2D(u_sam_tex_mask, mst).a;
    vec4 c = texture2D(u_sam_tex, v_v2_txc);
    gl_FragColor = vec4(c.rgb, c.a * mask * clamp(1.0 - u_flt_inv_alpha, 0.0, 1.0));
}
