// The upgrade package transfer: the head unit announces a package with its MD5 check text and a
// signature over that text, sends the package in pieces, and the cluster writes them to the
// package file and checks the finished file against the text.
//
// Both checks run in this process with libcrypto; no shell and no command line is involved, so
// nothing the head unit sends can ever be executed. The signature is RSA PKCS#1 v1.5 without a
// digest over the MD5 text followed by a newline, which is what `openssl pkeyutl -sign` makes of
// `echo TEXT`, so packages signed that way verify. The MD5 text must be exactly 32 hexadecimal
// digits (either case) and must equal the file's digest as a whole, not merely occur in it.
#include <cerrno>
#include <cjson/cJSON.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <sys/stat.h>
#include <vector>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include "OrvTask/CduCommunication.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/Cdu_TCP_Rules.h"
#include "platform/OrvPlatform.h"

static FILE* pOtaDataFile = nullptr;

namespace {

const int    OTA_SIGN_SIZE = 256;
const size_t OTA_MD5_TEXT_LEN = 32;
// A failed check holds the worker this long, as the checks always have.
const UInt32 OTA_FAIL_PAUSE_MS = 1500;
const size_t OTA_READ_PIECE = 1 << 16;

struct OtaPathEntry {
    const char* tail;
};
const OtaPathEntry gOtaPaths[] = {
    {"/data/ota_download/OTA_PACKAGE.DAT"},
    {"/data/ota_download/OTA_PACKAGE.SIG"},
    {"/root/app/OTA_PUBKEY.PEM"},
};
const char* const OTA_DOWNLOAD_DIR = "/data/ota_download";

// The root the fixed paths hang from: empty (the real root) unless CLUSTER_OTA_ROOT names one.
void OtaRoot(char* out, size_t size)
{
    const char* root = getenv("CLUSTER_OTA_ROOT");
    if (root == nullptr) root = "";
    snprintf(out, size, "%s", root);
    size_t n = strlen(out);
    while (n > 0 && out[n - 1] == '/') out[--n] = 0;
}

bool JoinRoot(const char* tail, char* out, size_t size)
{
    char root[512];
    OtaRoot(root, sizeof(root));
    int n = snprintf(out, size, "%s%s", root, tail);
    return n > 0 && (size_t)n < size;
}

// Creates the download folder and every missing folder above it.
bool MakeDownloadDir(void)
{
    char dir[600];
    if (!JoinRoot(OTA_DOWNLOAD_DIR, dir, sizeof(dir))) return false;
    for (char* p = dir + 1; *p; p++) {
        if (*p != '/') continue;
        *p = 0;
        if (mkdir(dir, 0755) != 0 && errno != EEXIST) return false;
        *p = '/';
    }
    return mkdir(dir, 0755) == 0 || errno == EEXIST;
}

FILE* OpenForWriting(UInt08 which)
{
    char path[600];
    if (!CDU_TCP_OtaPath(which, path, sizeof(path))) return nullptr;
    if (!MakeDownloadDir()) printf("ota: cannot create the download folder for %s\n", path);
    FILE* f = fopen(path, "wb");
    if (f == nullptr) printf("ota: cannot open %s\n", path);
    return f;
}

void ClosePackageFile(void)
{
    if (pOtaDataFile == nullptr) return;
    fflush(pOtaDataFile);
    fclose(pOtaDataFile);
    pOtaDataFile = nullptr;
}

bool IsMd5Text(const char* md5)
{
    if (md5 == nullptr || strlen(md5) != OTA_MD5_TEXT_LEN) return false;
    for (size_t i = 0; i < OTA_MD5_TEXT_LEN; i++) {
        char c = md5[i];
        bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex) return false;
    }
    return true;
}

EVP_PKEY* LoadPublicKey(void)
{
    char path[600];
    if (!CDU_TCP_OtaPath(OTA_PATH_PUBKEY, path, sizeof(path))) return nullptr;
    FILE* f = fopen(path, "rb");
    if (f == nullptr) {
        printf("ota: no public key %s\n", path);
        return nullptr;
    }
    EVP_PKEY* key = PEM_read_PUBKEY(f, nullptr, nullptr, nullptr);
    fclose(f);
    if (key == nullptr) printf("ota: %s holds no public key\n", path);
    return key;
}

// RSA PKCS#1 v1.5 without a digest: the signature opens to exactly the MD5 text and a newline.
bool VerifySignature(const char* md5, const UInt08* sign, size_t signSize)
{
    EVP_PKEY* key = LoadPublicKey();
    if (key == nullptr) return false;
    bool ok = false;
    EVP_PKEY_CTX* ctx = EVP_PKEY_base_id(key) == EVP_PKEY_RSA ? EVP_PKEY_CTX_new(key, nullptr) : nullptr;
    if (ctx != nullptr && EVP_PKEY_verify_init(ctx) == 1 &&
        EVP_PKEY_CTX_set_rsa_padding(ctx, RSA_PKCS1_PADDING) == 1) {
        char text[OTA_MD5_TEXT_LEN + 1];
        memcpy(text, md5, OTA_MD5_TEXT_LEN);
        text[OTA_MD5_TEXT_LEN] = '\n';
        ok = EVP_PKEY_verify(ctx, sign, signSize, (const unsigned char*)text, sizeof(text)) == 1;
    }
    EVP_PKEY_CTX_free(ctx);
    EVP_PKEY_free(key);
    return ok;
}

// The package file's MD5 as 32 lower-case hexadecimal digits.
bool FileMd5(char* hexOut)
{
    char path[600];
    if (!CDU_TCP_OtaPath(OTA_PATH_PACKAGE, path, sizeof(path))) return false;
    FILE* f = fopen(path, "rb");
    if (f == nullptr) return false;
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    bool ok = ctx != nullptr && EVP_DigestInit_ex(ctx, EVP_md5(), nullptr) == 1;
    std::vector<unsigned char> piece(OTA_READ_PIECE);
    size_t n;
    while (ok && (n = fread(piece.data(), 1, piece.size(), f)) > 0) ok = EVP_DigestUpdate(ctx, piece.data(), n) == 1;
    ok = ok && !ferror(f);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int len = 0;
    ok = ok && EVP_DigestFinal_ex(ctx, digest, &len) == 1 && len * 2 == OTA_MD5_TEXT_LEN;
    EVP_MD_CTX_free(ctx);
    fclose(f);
    for (unsigned int i = 0; ok && i < len; i++) snprintf(hexOut + 2 * i, 3, "%02x", digest[i]);
    return ok;
}

Int08 FailedCheck(void)
{
    OrvPlat_SleepMs(OTA_FAIL_PAUSE_MS);
    return 0;
}

// The announcement was refused: nothing of it stays and no package file is written.
void RefuseAnnouncement(void)
{
    CDU_TCP_SetOtaState(OTA_DECRYPT_FAIL);
    free(UpgradeInfo.Sign);
    free(UpgradeInfo.Md5);
    OrvShared_Store(UpgradeInfo.Sign, nullptr);
    OrvShared_Store(UpgradeInfo.Md5, nullptr);
    OrvShared_Store(UpgradeInfo.SignSize, 0);
    CDU_TCP_StepCounter(UpgradeInfo.UpdUpgrade);
    OrvShared_Store(UpgradeInfo.FileSize, 0);
    OrvShared_Store(UpgradeInfo.RecvSize, 0);
    ClosePackageFile();
}

// Keeps a copy of the MD5 text; an equal copy already held stays.
void KeepMd5(const char* md5)
{
    if (UpgradeInfo.Md5 != nullptr && strcmp((const char*)UpgradeInfo.Md5, md5) == 0) return;
    free(UpgradeInfo.Md5);
    OrvShared_Store(UpgradeInfo.Md5, (Int08*)strdup(md5));
}

void WritePiece(const UInt08* bin, UInt32 binSz)
{
    if (fwrite(bin, 1, binSz, pOtaDataFile) != binSz) printf("ota: writing the package failed\n");
}

UInt32 AnnouncedSize(const cJSON* item)
{
    double v = cJSON_IsNumber(item) ? item->valuedouble : (double)item->valueint;
    if (v <= 0) return 0;
    if (v >= 4294967295.0) return 0xFFFFFFFFu;
    return (UInt32)v;
}

} // namespace

Int08 CDU_TCP_OtaPath(UInt08 which, char* out, UInt32 size)
{
    if (which >= sizeof(gOtaPaths) / sizeof(gOtaPaths[0]) || out == nullptr || size == 0) return 0;
    return JoinRoot(gOtaPaths[which].tail, out, size) ? 1 : 0;
}

Int08 OtaStoreAndVerify(const Int08* md5, const Int08* sign, int signSize)
{
    if (md5 == nullptr || sign == nullptr || signSize <= 0) return 0;
    FILE* f = OpenForWriting(OTA_PATH_SIGN);
    if (f == nullptr) return 0;
    fwrite(sign, 1, (size_t)signSize, f);
    fflush(f);
    fclose(f);
    const char* text = (const char*)md5;
    if (!IsMd5Text(text) || !VerifySignature(text, (const UInt08*)sign, (size_t)signSize)) return FailedCheck();
    return 1;
}

Int08 OtaDataFileMd5Verify(const Int08* md5)
{
    if (md5 == nullptr) return 0;
    const char* text = (const char*)md5;
    char actual[OTA_MD5_TEXT_LEN + 1] = {0};
    if (!IsMd5Text(text) || !FileMd5(actual) || strcasecmp(actual, text) != 0) return FailedCheck();
    return 1;
}

bool CDU_TCP_DecodeUpgrade(const cJSON* doc, const UInt08* binData, UInt32 binSz)
{
    OrvShared_Store(CduComSrvPnt, 0x2023);
    const cJSON* md5 = cJSON_GetObjectItem(doc, "md5");
    const cJSON* fileSize = cJSON_GetObjectItem(doc, "fileSize");
    const cJSON* sign = cJSON_GetObjectItem(doc, "sign");
    if (!cJSON_IsString(md5) || md5->valuestring == nullptr || fileSize == nullptr || sign == nullptr ||
        cJSON_GetArraySize(sign) != OTA_SIGN_SIZE)
        return false;
    Int08* bytes = (Int08*)malloc(OTA_SIGN_SIZE);
    if (bytes == nullptr) return false;
    int i = 0;
    for (const cJSON* e = sign->child; e != nullptr && i < OTA_SIGN_SIZE; e = e->next) bytes[i++] = (Int08)e->valueint;
    free(UpgradeInfo.Sign);
    OrvShared_Store(UpgradeInfo.Sign, bytes);

    CDU_TCP_SetOtaState(OTA_DECRYPTING);
    if (!OtaStoreAndVerify((const Int08*)md5->valuestring, UpgradeInfo.Sign, OTA_SIGN_SIZE)) {
        RefuseAnnouncement();
        return true;
    }
    CDU_TCP_SetOtaState(OTA_DECRYPT_SUCC);
    OrvShared_Store(UpgradeInfo.FileSize, AnnouncedSize(fileSize));
    KeepMd5(md5->valuestring);
    ClosePackageFile();
    pOtaDataFile = OpenForWriting(OTA_PATH_PACKAGE);
    OrvShared_Store(UpgradeInfo.RecvSize, binSz);
    if (pOtaDataFile != nullptr && binSz > 0) {
        CDU_TCP_SetOtaState(OTA_TRANSFERING);
        WritePiece(binData, binSz);
    }
    return true;
}

void CDU_TCP_OtaNextPiece(const UInt08* binData, UInt32 binSz, bool last)
{
    if (binSz == 0) return;
    OrvShared_Store(UpgradeInfo.RecvSize, UpgradeInfo.RecvSize + binSz);
    if (pOtaDataFile != nullptr) {
        CDU_TCP_SetOtaState(OTA_TRANSFERING);
        WritePiece(binData, binSz);
    }
    if (!last) return;
    ClosePackageFile();
    // Without an announcement whose signature held there is no text to check against: a refused
    // transfer keeps its OTA_DECRYPT_FAIL.
    if (UpgradeInfo.Md5 == nullptr) return;
    CDU_TCP_SetOtaState(OtaDataFileMd5Verify(UpgradeInfo.Md5) ? OTA_TRANSFER_SUCC : OTA_DATA_MD5_UNMATCH);
}

void CDU_TCP_OtaReleaseFile(bool closeIt)
{
    if (closeIt) ClosePackageFile();
    pOtaDataFile = nullptr;
}
