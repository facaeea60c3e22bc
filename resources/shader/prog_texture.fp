#version 110
// The picture's colour and alpha (straight, not premultiplied). u_flt_inv_alpha is an inverted
// opacity: 0 draws fully, 1 makes the picture invisible, values between fade linearly.
uniform sampler2D u_sam_tex;
uniform float u_flt_inv_alpha;
varying vec2 v_v2_txc;

void main()
{
    vec4 c = texture2D(u_sam_tex, v_v2_txc);
    gl_FragColor = vec4(c.rgb, c.a * clamp(1.0 - u_flt_inv_alpha, 0.0, 1.0));
}
