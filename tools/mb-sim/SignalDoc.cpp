// Listing and DBC file of the main-board signal table. The DBC gives each part its own factor and
// offset such that the parts' physical values add up to the signal's value, so a DBC tool that
// sums them reads what the cluster's decoder stores.
#include "SignalDoc.h"

#include <vector>

#include "OrvCfg.h"

namespace {

const char* RuleText(const MbSignal* s)
{
    switch (s->Rule) {
    case MB_SIG_RULE_KEEP: return "others keep the last value";
    case MB_SIG_RULE_CLAMP: return "others stored as the nearer bound";
    case MB_SIG_RULE_SUBST: return "others stored as ";
    default: return "";
    }
}

// What the decoder does beyond the scale, as one line: special raw values, the rule for values
// outside the range, the selector, the note.
std::string DecoderText(const MbSignal* s)
{
    std::string more;
    for (unsigned k = 0; k < s->SpecialNum; ++k)
        more += "raw " + std::to_string(s->Specials[k].Raw) + " stored as " + std::to_string(s->Specials[k].Value) + "; ";
    if (s->Rule != MB_SIG_RULE_STORED)
        more += std::string(RuleText(s)) + (s->Rule == MB_SIG_RULE_SUBST ? std::to_string(s->Subst) : "") + "; ";
    if (s->Selector != nullptr) more += "carried while " + std::string(s->Selector) + " = " + std::to_string(s->SelectValue) + "; ";
    if (s->DecodedBy != s->Frame) more += "decoded with frame " + std::to_string(s->DecodedBy) + "; ";
    if (s->Note != nullptr) more += std::string(s->Note) + "; ";
    return more.empty() ? more : more.substr(0, more.size() - 2);
}

std::string PartText(const MbSigPart& p)
{
    std::string t = std::to_string(p.Byte * 8 + p.Bit) + "|" + std::to_string(p.Length) + (p.BigEndian ? "@0" : "@1");
    if (p.Inverted) t += " inverted";
    if (p.Shift != 0) t += " <<" + std::to_string(p.Shift);
    return t;
}

std::vector<const MbSignal*> SignalsOfFrame(UInt08 frame)
{
    std::vector<const MbSignal*> out;
    for (UInt16 i = 0; i < MB_SIG_Count(); ++i)
        if (MB_SIG_At(i)->Frame == frame) out.push_back(MB_SIG_At(i));
    return out;
}

// The selectors of a frame, in table order: at most two in this frame layout.
std::vector<const MbSignal*> SelectorsOfFrame(UInt08 frame)
{
    std::vector<const MbSignal*> out;
    for (const MbSignal* s : SignalsOfFrame(frame))
        for (const MbSignal* d : SignalsOfFrame(frame))
            if (d->Selector != nullptr && MB_SIG_Find(d->Selector) == s) {
                out.push_back(s);
                break;
            }
    return out;
}

// Physical factor and offset of one part, so that the parts add up to the signal's value.
void PartScale(const MbSignal* s, unsigned k, double* factor, double* offset)
{
    const MbSigPart& p = s->Parts[k];
    double weight = (double)s->Factor * (double)(1u << p.Shift);
    *factor = p.Inverted ? -weight : weight;
    *offset = (p.Inverted ? weight * (double)((1u << p.Length) - 1u) : 0.0) + (k == 0 ? s->Offset : 0);
}

std::string Number(double v)
{
    char buf[32];
    snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

}  // namespace

std::string SignalDoc_DbcName(const MbSignal* sig, int part)
{
    std::string n;
    for (const char* c = sig->Name; *c; ++c) n += isalnum((unsigned char)*c) ? *c : '_';
    while (!n.empty() && n.back() == '_') n.pop_back();
    if (part >= 0) n += "_p" + std::to_string(part);
    return n;
}

void SignalDoc_WriteList(FILE* out)
{
    fprintf(out, "Main-board signals: frame, bits (start|length@1 little-endian, @0 big-endian: start is the\n"
                 "most significant bit; parts shifted into place), value = raw x factor + offset.\n\n");
    for (UInt16 i = 0; i < MB_SIG_Count(); ++i) {
        const MbSignal* s = MB_SIG_At(i);
        std::string bits;
        for (unsigned k = 0; k < s->PartNum; ++k) bits += (k ? " + " : "") + PartText(s->Parts[k]);
        fprintf(out, "F_0x%02X  %-32s %s", s->Frame, s->Name, bits.c_str());
        if (s->Factor != 1 || s->Offset != 0) fprintf(out, "  x%d%+d", (int)s->Factor, (int)s->Offset);
        fprintf(out, "  %d..%d", (int)s->Min, (int)s->Max);
        if (s->Unit[0] != '\0') fprintf(out, " %s", s->Unit);
        fprintf(out, "\n");
        std::string more = DecoderText(s);
        if (!more.empty()) fprintf(out, "        %s\n", more.c_str());
        if (s->ValueNum != 0) {
            fprintf(out, "        values:");
            for (unsigned k = 0; k < s->ValueNum; ++k)
                fprintf(out, "%s %d %s", k ? "," : "", (int)s->Values[k].Value, s->Values[k].Name);
            fprintf(out, "\n");
        }
    }
}

void SignalDoc_WriteDbc(FILE* out, UInt32 base)
{
    fprintf(out, "VERSION \"\"\n\nNS_ :\n    CM_\n    VAL_\n    SG_MUL_VAL_\n\nBS_:\n\nBU_: MainBoard Cluster\n\n");
    std::vector<std::string> comments, values, muxValues;
    for (UInt08 frame = 0; frame < ID_FRAME_R_NUM; ++frame) {
        const UInt32 id = base + frame;
        fprintf(out, "BO_ %u F_0x%02X: 8 MainBoard\n", (unsigned)id, frame);
        std::vector<const MbSignal*> selectors = SelectorsOfFrame(frame);
        const bool extended = selectors.size() > 1;
        for (const MbSignal* s : SignalsOfFrame(frame)) {
            // Multiplex indicator: the first selector is the multiplexor; a second one is written
            // as selected by the first for every value of it, which extended multiplexing allows.
            std::string mux;
            if (!selectors.empty() && s == selectors[0]) mux = " M";
            if (extended && s == selectors[1]) {
                mux = " m0M";
                muxValues.push_back("SG_MUL_VAL_ " + std::to_string(id) + " " + SignalDoc_DbcName(s, -1) + " " +
                                    SignalDoc_DbcName(selectors[0], -1) + " 0-" +
                                    std::to_string(MB_SIG_RawMask(selectors[0])) + ";");
            }
            const MbSignal* sel = MB_SIG_Find(s->Selector);
            UInt32 selRaw = 0;
            if (sel != nullptr) {
                MB_SIG_ValueToRaw(sel, s->SelectValue, &selRaw);
                mux = " m" + std::to_string(selRaw);
            }
            const bool parts = s->PartNum > 1;
            for (unsigned k = 0; k < s->PartNum; ++k) {
                const MbSigPart& p = s->Parts[k];
                double factor, offset;
                PartScale(s, k, &factor, &offset);
                double a = offset, b = offset + factor * (double)((1u << p.Length) - 1u);
                double lo = parts ? (a < b ? a : b) : s->Min, hi = parts ? (a < b ? b : a) : s->Max;
                std::string name = SignalDoc_DbcName(s, parts ? (int)k : -1);
                if (sel != nullptr && extended)
                    muxValues.push_back("SG_MUL_VAL_ " + std::to_string(id) + " " + name + " " +
                                        SignalDoc_DbcName(sel, -1) + " " + std::to_string(selRaw) + "-" +
                                        std::to_string(selRaw) + ";");
                fprintf(out, " SG_ %s%s : %u|%u@%c+ (%s,%s) [%s|%s] \"%s\" Cluster\n", name.c_str(), mux.c_str(),
                        (unsigned)(p.Byte * 8 + p.Bit), (unsigned)p.Length, p.BigEndian ? '0' : '1',
                        Number(factor).c_str(), Number(offset).c_str(), Number(lo).c_str(), Number(hi).c_str(),
                        s->Unit);
                std::string text = std::string(s->Name);
                if (parts)
                    text += " (part " + std::to_string(k) + " of " + std::to_string(s->PartNum) +
                            "; its bits are not adjacent, the signal is the sum of its parts)";
                std::string rules = DecoderText(s);
                if (!rules.empty()) text += ": " + rules;
                comments.push_back("CM_ SG_ " + std::to_string(id) + " " + name + " \"" + text + "\";");
                if (s->ValueNum != 0 && !parts) {
                    std::string v = "VAL_ " + std::to_string(id) + " " + name;
                    for (unsigned n = 0; n < s->ValueNum; ++n) {
                        UInt32 raw = 0;
                        if (MB_SIG_ValueToRaw(s, s->Values[n].Value, &raw) == 0)
                            v += " " + std::to_string(raw) + " \"" + s->Values[n].Name + "\"";
                    }
                    values.push_back(v + " ;");
                }
            }
        }
        fprintf(out, "\n");
    }
    for (const std::string& c : comments) fprintf(out, "%s\n", c.c_str());
    for (const std::string& v : values) fprintf(out, "%s\n", v.c_str());
    for (const std::string& m : muxValues) fprintf(out, "%s\n", m.c_str());
}
