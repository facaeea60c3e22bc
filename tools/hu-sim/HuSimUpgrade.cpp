// Keys, check text, signature and frames of a simulated upgrade, with libcrypto.
#include "HuSimUpgrade.h"

#include <algorithm>
#include <cstdio>

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

namespace {

bool WritePem(const std::string& path, EVP_PKEY* key, bool isPrivate)
{
    if (path.empty()) return true;
    FILE* f = fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    bool ok = isPrivate ? PEM_write_PrivateKey(f, key, nullptr, nullptr, 0, nullptr, nullptr) == 1
                        : PEM_write_PUBKEY(f, key) == 1;
    return fclose(f) == 0 && ok;
}

} // namespace

bool HuSim_MakeRsaKeyPair(int bits, const std::string& privatePem, const std::string& publicPem)
{
    EVP_PKEY* key = EVP_RSA_gen((unsigned)bits);
    if (key == nullptr) return false;
    bool ok = WritePem(privatePem, key, true) && WritePem(publicPem, key, false);
    EVP_PKEY_free(key);
    return ok;
}

std::string HuSim_Md5Hex(const uint8_t* data, size_t len)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int n = 0;
    if (EVP_Digest(data, len, digest, &n, EVP_md5(), nullptr) != 1) return "";
    std::string hex;
    char two[3];
    for (unsigned int i = 0; i < n; i++) {
        snprintf(two, sizeof(two), "%02x", digest[i]);
        hex += two;
    }
    return hex;
}

std::vector<uint8_t> HuSim_SignMd5Text(const std::string& privatePem, const std::string& md5Text)
{
    std::vector<uint8_t> sig;
    FILE* f = fopen(privatePem.c_str(), "rb");
    if (f == nullptr) {
        fprintf(stderr, "hu-sim: cannot read the key %s\n", privatePem.c_str());
        return sig;
    }
    EVP_PKEY* key = PEM_read_PrivateKey(f, nullptr, nullptr, nullptr);
    fclose(f);
    if (key == nullptr) {
        fprintf(stderr, "hu-sim: %s holds no private key\n", privatePem.c_str());
        return sig;
    }
    std::string text = md5Text + "\n";
    EVP_PKEY_CTX* ctx = EVP_PKEY_CTX_new(key, nullptr);
    size_t len = 0;
    if (ctx != nullptr && EVP_PKEY_sign_init(ctx) == 1 && EVP_PKEY_CTX_set_rsa_padding(ctx, RSA_PKCS1_PADDING) == 1 &&
        EVP_PKEY_sign(ctx, nullptr, &len, (const unsigned char*)text.data(), text.size()) == 1) {
        sig.resize(len);
        if (EVP_PKEY_sign(ctx, sig.data(), &len, (const unsigned char*)text.data(), text.size()) == 1) sig.resize(len);
        else sig.clear();
    }
    if (sig.empty()) fprintf(stderr, "hu-sim: signing failed (an RSA key is needed)\n");
    EVP_PKEY_CTX_free(ctx);
    EVP_PKEY_free(key);
    return sig;
}

std::string HuSim_UpgradeAnnouncement(const std::string& md5Text, uint32_t fileSize, const std::vector<uint8_t>& sign)
{
    std::string doc = "{\"md5\":\"" + md5Text + "\",\"fileSize\":" + std::to_string(fileSize) + ",\"sign\":[";
    for (size_t i = 0; i < sign.size(); i++) {
        if (i) doc += ",";
        doc += std::to_string(sign[i]);
    }
    return doc + "]}";
}

std::vector<HuSimFrame> HuSim_UpgradeFrames(const std::string& announcement, const std::vector<uint8_t>& package,
                                            size_t pieceSize, uint32_t firstMsgNo)
{
    std::vector<HuSimFrame> frames;
    if (pieceSize == 0) pieceSize = 1;
    // Only a next frame with frm_id 0 ends a transfer and starts the file check, so a package that
    // would fit into the first frame still leaves its last byte for a next frame.
    size_t first = std::min(pieceSize, package.size() > 1 ? package.size() - 1 : package.size());
    HuSimFrame f = HuSim_DataFrame(FRM_SRV_CDU_UPGRADE, announcement,
                                   std::vector<uint8_t>(package.begin(), package.begin() + first), firstMsgNo);
    f.frmType = FRM_TYPE_FIRST;
    f.frmId = 1;
    frames.push_back(f);
    for (size_t at = first; at < package.size(); at += pieceSize) {
        size_t n = std::min(pieceSize, package.size() - at);
        HuSimFrame next = HuSim_DataFrame(FRM_SRV_CDU_UPGRADE, "",
                                          std::vector<uint8_t>(package.begin() + at, package.begin() + at + n),
                                          firstMsgNo + (uint32_t)frames.size());
        next.frmType = FRM_TYPE_NEXT;
        next.frmId = (uint8_t)(1 + frames.size() % 255); /* 2, 3, ...; never 0 before the end */
        next.bin.shrink_to_fit();
        frames.push_back(next);
    }
    if (frames.size() > 1) frames.back().frmId = FRM_SEQ_END;
    return frames;
}
