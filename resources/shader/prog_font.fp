#version 110
// Text in one colour: u_v3_clr (RGB 0..1), opacity from the alpha-only glyph atlas, faded by the
// inverted opacity u_flt_inv_alpha (0 opaque, 1 invisible).
uniform sampler2D u_sam_tex;
uniform vec3 u_v3_clr;
uniform float u_flt_inv_alpha;
varying vec2 v_v2_txc;

void main()
{
    float coverage = texture2D(u_sam_tex, v_v2_txc).a;
    gl_FragColor = vec4(u_v3_clr, coverage * clamp(1.0 - u_flt_inv_alpha, 0.0, 1.0));
}
