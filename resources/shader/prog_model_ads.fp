#version 110
// Ambient, diffuse and specular lighting of a textured model with one point light: the texture's
// colour is lit by the ambient and diffuse terms, the specular highlight is added on top.
//
// u_mat4_ads holds the lighting terms, uploaded column by column from a GLfloat[16] whose four
// groups of four floats are:
//   u_mat4_ads[0]  ambient colour  (r, g, b, a)   the output alpha is this a times the texture's
//   u_mat4_ads[1]  diffuse colour  (r, g, b, -)
//   u_mat4_ads[2]  specular colour (r, g, b, -)
//   u_mat4_ads[3]  light position in eye coordinates (x, y, z, -)
// which is the layout of the material matrices vboMaterialGray, vboMaterialRed, vboMaterialBlue.
// The specular exponent is fixed.
uniform mat4 u_mat4_ads;
uniform sampler2D u_sam_tex;
varying vec3 v_v3_eyePos;
varying vec3 v_v3_eyeNor;
varying vec2 v_v2_txc;

void main()
{
    vec3 n = normalize(v_v3_eyeNor);
    vec3 l = normalize(u_mat4_ads[3].xyz - v_v3_eyePos);
    vec3 v = normalize(-v_v3_eyePos);
    vec3 h = normalize(l + v);
    float diffuse = max(dot(n, l), 0.0);
    float specular = diffuse > 0.0 ? pow(max(dot(n, h), 0.0), 16.0) : 0.0;
    vec4 tex = texture2D(u_sam_tex, v_v2_txc);
    vec3 rgb = tex.rgb * (u_mat4_ads[0].rgb + diffuse * u_mat4_ads[1].rgb) + specular * u_mat4_ads[2].rgb;
    gl_FragColor = vec4(clamp(rgb, 0.0, 1.0), u_mat4_ads[0].a * tex.a);
}
