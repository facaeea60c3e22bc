/* The head unit's side of an upgrade: RSA keys for tests, the package's MD5 check text, its
 * signature (RSA PKCS#1 v1.5 without a digest over the text and a newline, as
 * `echo TEXT | openssl pkeyutl -sign` makes it) and the frames that carry the package: the
 * announcement with the first piece, then next pieces, the last with frm_id 0. */
#ifndef HU_SIM_UPGRADE_H
#define HU_SIM_UPGRADE_H

#include <cstdint>
#include <string>
#include <vector>

#include "HuSimClient.h"

/* Makes an RSA key pair of `bits` and writes the private key (PKCS#8 PEM) and the public key
 * (SubjectPublicKeyInfo PEM) to the two paths. Either path may be empty. */
bool HuSim_MakeRsaKeyPair(int bits, const std::string& privatePem, const std::string& publicPem);
/* The MD5 of the bytes as 32 lower-case hexadecimal digits. */
std::string HuSim_Md5Hex(const uint8_t* data, size_t len);
/* Signs text + "\n" with the private key in privatePem; empty on failure (the reason on stderr). */
std::vector<uint8_t> HuSim_SignMd5Text(const std::string& privatePem, const std::string& md5Text);
/* The announcement document: {"md5":..., "fileSize":..., "sign":[256 numbers]}. */
std::string HuSim_UpgradeAnnouncement(const std::string& md5Text, uint32_t fileSize, const std::vector<uint8_t>& sign);
/* The frames of a whole transfer: a first frame with the announcement and the first piece, then a
 * next frame per piece of pieceSize bytes, numbered 2, 3, ..., the last with frm_id 0. */
std::vector<HuSimFrame> HuSim_UpgradeFrames(const std::string& announcement, const std::vector<uint8_t>& package,
                                            size_t pieceSize, uint32_t firstMsgNo);

#endif
