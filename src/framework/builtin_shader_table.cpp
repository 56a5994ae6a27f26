#include "framework/builtin_shader_table.h"

namespace {

constexpr char Base64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int BitsPerBase64Digit = 6;
constexpr int BitsPerByte = 8;

// Value of one base64 digit, or -1 for padding and anything else.
int base64Value(char digit)
{
    for (int value = 0; value < 64; ++value)
        if (Base64Alphabet[value] == digit)
            return value;
    return -1;
}

}  // namespace

std::string decodeBuiltinShaderText(const std::string& encoded)
{
    std::string decoded;
    unsigned pending = 0;
    int pendingBits = 0;
    for (char digit : encoded) {
        const int value = base64Value(digit);
        if (value < 0)
            break;
        pending = (pending << BitsPerBase64Digit) | static_cast<unsigned>(value);
        pendingBits += BitsPerBase64Digit;
        if (pendingBits >= BitsPerByte) {
            pendingBits -= BitsPerByte;
            decoded.push_back(static_cast<char>((pending >> pendingBits) & 0xFFu));
        }
    }
    return decoded;
}

// Entries are sorted by name; several programs share a vertex stage.
const std::unordered_map<std::string, BuiltinShaderSources> BuiltinShaderTable = {
    {"color",
     {"I3ZlcnNpb24gNDEwCmxheW91dChsb2NhdGlvbiA9IDApIGluIHZlYzMgcG9zaXRpb247CnVuaWZvcm0gbWF0NCBt"
      "dnA7CnZvaWQgbWFpbigpIHsgZ2xfUG9zaXRpb24gPSBtdnAgKiB2ZWM0KHBvc2l0aW9uLCAxKTsgfQo=",
      "I3ZlcnNpb24gNDEwCnVuaWZvcm0gdmVjMyBmcmFnQ29sb3IgPSB2ZWMzKDEpOwpvdXQgdmVjNCBjb2xvcjsKdm9p"
      "ZCBtYWluKCkgeyBjb2xvciA9IHZlYzQoZnJhZ0NvbG9yLCAxKTsgfQo="}},
    {"cookTorrance",
     {"I3ZlcnNpb24gNDEwCmxheW91dChsb2NhdGlvbiA9IDApIGluIHZlYzMgcG9zaXRpb247CmxheW91dChsb2NhdGlv"
      "biA9IDEpIGluIHZlYzMgbm9ybWFsOwpsYXlvdXQobG9jYXRpb24gPSAyKSBpbiB2ZWMyIHRleENvb3JkczsKdW5p"
      "Zm9ybSBtYXQ0IG1vZGVsTWF0cml4Owp1bmlmb3JtIG1hdDQgdmlld1Byb2pNYXRyaXg7Cm91dCB2ZWMzIHdvcmxk"
      "UG9zOwpvdXQgdmVjMyB3b3JsZE5vcm1hbDsKb3V0IHZlYzIgdXY7CnZvaWQgbWFpbigpIHsKCXZlYzQgd29ybGQg"
      "PSBtb2RlbE1hdHJpeCAqIHZlYzQocG9zaXRpb24sIDEpOwoJd29ybGRQb3MgPSB3b3JsZC54eXo7Cgl3b3JsZE5v"
      "cm1hbCA9IG1hdDMobW9kZWxNYXRyaXgpICogbm9ybWFsOwoJdXYgPSB0ZXhDb29yZHM7CglnbF9Qb3NpdGlvbiA9"
      "IHZpZXdQcm9qTWF0cml4ICogd29ybGQ7Cn0K",
      "I3ZlcnNpb24gNDEwCmluIHZlYzMgd29ybGRQb3M7CmluIHZlYzMgd29ybGROb3JtYWw7CmluIHZlYzIgdXY7CnVu"
      "aWZvcm0gdmVjMyBsaWdodFBvczsKdW5pZm9ybSB2ZWMzIGNhbWVyYVBvczsKb3V0IHZlYzQgY29sb3I7CnVuaWZv"
      "cm0gdmVjMyBhbGJlZG8gPSB2ZWMzKDAuOCk7CnVuaWZvcm0gZmxvYXQgcm91Z2huZXNzID0gMC41Owp2b2lkIG1h"
      "aW4oKSB7Cgl2ZWMzIG4gPSBub3JtYWxpemUod29ybGROb3JtYWwpOwoJdmVjMyBsID0gbm9ybWFsaXplKGxpZ2h0"
      "UG9zIC0gd29ybGRQb3MpOwoJdmVjMyB2ID0gbm9ybWFsaXplKGNhbWVyYVBvcyAtIHdvcmxkUG9zKTsKCXZlYzMg"
      "aCA9IG5vcm1hbGl6ZShsICsgdik7CglmbG9hdCBhMiA9IHJvdWdobmVzcyAqIHJvdWdobmVzcyAqIHJvdWdobmVz"
      "cyAqIHJvdWdobmVzczsKCWZsb2F0IG5oID0gbWF4KGRvdChuLCBoKSwgMC4wKTsKCWZsb2F0IGQgPSBhMiAvICgz"
      "LjE0MTU5ICogcG93KG5oICogbmggKiAoYTIgLSAxLjApICsgMS4wLCAyLjApKTsKCWZsb2F0IGYgPSAwLjA0ICsg"
      "MC45NiAqIHBvdygxLjAgLSBtYXgoZG90KGgsIHYpLCAwLjApLCA1LjApOwoJY29sb3IgPSB2ZWM0KGFsYmVkbyAq"
      "IG1heChkb3QobiwgbCksIDAuMCkgKyB2ZWMzKGQgKiBmICogMC4yNSksIDEpOwp9Cg=="}},
    {"cornell",
     {"I3ZlcnNpb24gNDEwCmxheW91dChsb2NhdGlvbiA9IDApIGluIHZlYzMgcG9zaXRpb247CmxheW91dChsb2NhdGlv"
      "biA9IDEpIGluIHZlYzMgbm9ybWFsOwpsYXlvdXQobG9jYXRpb24gPSAyKSBpbiB2ZWMyIHRleENvb3JkczsKdW5p"
      "Zm9ybSBtYXQ0IG1vZGVsTWF0cml4Owp1bmlmb3JtIG1hdDQgdmlld1Byb2pNYXRyaXg7Cm91dCB2ZWMzIHdvcmxk"
      "UG9zOwpvdXQgdmVjMyB3b3JsZE5vcm1hbDsKb3V0IHZlYzIgdXY7CnZvaWQgbWFpbigpIHsKCXZlYzQgd29ybGQg"
      "PSBtb2RlbE1hdHJpeCAqIHZlYzQocG9zaXRpb24sIDEpOwoJd29ybGRQb3MgPSB3b3JsZC54eXo7Cgl3b3JsZE5v"
      "cm1hbCA9IG1hdDMobW9kZWxNYXRyaXgpICogbm9ybWFsOwoJdXYgPSB0ZXhDb29yZHM7CglnbF9Qb3NpdGlvbiA9"
      "IHZpZXdQcm9qTWF0cml4ICogd29ybGQ7Cn0K",
      "I3ZlcnNpb24gNDEwCmluIHZlYzMgd29ybGRQb3M7CmluIHZlYzMgd29ybGROb3JtYWw7CmluIHZlYzIgdXY7CnVu"
      "aWZvcm0gdmVjMyBsaWdodFBvczsKdW5pZm9ybSB2ZWMzIGNhbWVyYVBvczsKb3V0IHZlYzQgY29sb3I7CnVuaWZv"
      "cm0gdmVjMyB3YWxsQ29sb3IgPSB2ZWMzKDAuNzUpOwp2b2lkIG1haW4oKSB7Cgl2ZWMzIG4gPSBub3JtYWxpemUo"
      "d29ybGROb3JtYWwpOwoJdmVjMyBsID0gbm9ybWFsaXplKGxpZ2h0UG9zIC0gd29ybGRQb3MpOwoJdmVjMyB2ID0g"
      "bm9ybWFsaXplKGNhbWVyYVBvcyAtIHdvcmxkUG9zKTsKCWNvbG9yID0gdmVjNCh3YWxsQ29sb3IgKiAoMC4yICsg"
      "bWF4KGRvdChuLCBsKSwgMC4wKSksIDEpOwp9Cg=="}},
    {"cornellGouraud",
     {"I3ZlcnNpb24gNDEwCmxheW91dChsb2NhdGlvbiA9IDApIGluIHZlYzMgcG9zaXRpb247CmxheW91dChsb2NhdGlv"
      "biA9IDEpIGluIHZlYzMgbm9ybWFsOwp1bmlmb3JtIG1hdDQgbW9kZWxNYXRyaXg7CnVuaWZvcm0gbWF0NCB2aWV3"
      "UHJvak1hdHJpeDsKdW5pZm9ybSB2ZWMzIGxpZ2h0UG9zOwp1bmlmb3JtIHZlYzMgY2FtZXJhUG9zOwp1bmlmb3Jt"
      "IGZsb2F0IHNoaW5pbmVzcyA9IDMyLjA7Cm91dCB2ZWMzIHNoYWRlOwp2b2lkIG1haW4oKSB7Cgl2ZWMzIHAgPSAo"
      "bW9kZWxNYXRyaXggKiB2ZWM0KHBvc2l0aW9uLCAxKSkueHl6OwoJdmVjMyBuID0gbm9ybWFsaXplKG1hdDMobW9k"
      "ZWxNYXRyaXgpICogbm9ybWFsKTsKCXZlYzMgbCA9IG5vcm1hbGl6ZShsaWdodFBvcyAtIHApOwoJdmVjMyBoID0g"
      "bm9ybWFsaXplKGwgKyBub3JtYWxpemUoY2FtZXJhUG9zIC0gcCkpOwoJc2hhZGUgPSB2ZWMzKDAuMSkgKyB2ZWMz"
      "KG1heChkb3QobiwgbCksIDAuMCkpICsgdmVjMyhwb3cobWF4KGRvdChuLCBoKSwgMC4wKSwgc2hpbmluZXNzKSk7"
      "CglnbF9Qb3NpdGlvbiA9IHZpZXdQcm9qTWF0cml4ICogdmVjNChwLCAxKTsKfQo=",
      "I3ZlcnNpb24gNDEwCmluIHZlYzMgc2hhZGU7CnVuaWZvcm0gdmVjMyBhbGJlZG8gPSB2ZWMzKDAuOCk7Cm91dCB2"
      "ZWM0IGNvbG9yOwp2b2lkIG1haW4oKSB7IGNvbG9yID0gdmVjNChhbGJlZG8gKiBzaGFkZSwgMSk7IH0K"}},
    {"environmentMap",
     {"I3ZlcnNpb24gNDEwCmxheW91dChsb2NhdGlvbiA9IDApIGluIHZlYzMgcG9zaXRpb247CmxheW91dChsb2NhdGlv"
      "biA9IDEpIGluIHZlYzMgbm9ybWFsOwpsYXlvdXQobG9jYXRpb24gPSAyKSBpbiB2ZWMyIHRleENvb3JkczsKdW5p"
      "Zm9ybSBtYXQ0IG1vZGVsTWF0cml4Owp1bmlmb3JtIG1hdDQgdmlld1Byb2pNYXRyaXg7Cm91dCB2ZWMzIHdvcmxk"
      "UG9zOwpvdXQgdmVjMyB3b3JsZE5vcm1hbDsKb3V0IHZlYzIgdXY7CnZvaWQgbWFpbigpIHsKCXZlYzQgd29ybGQg"
      "PSBtb2RlbE1hdHJpeCAqIHZlYzQocG9zaXRpb24sIDEpOwoJd29ybGRQb3MgPSB3b3JsZC54eXo7Cgl3b3JsZE5v"
      "cm1hbCA9IG1hdDMobW9kZWxNYXRyaXgpICogbm9ybWFsOwoJdXYgPSB0ZXhDb29yZHM7CglnbF9Qb3NpdGlvbiA9"
      "IHZpZXdQcm9qTWF0cml4ICogd29ybGQ7Cn0K",
      "I3ZlcnNpb24gNDEwCmluIHZlYzMgd29ybGRQb3M7CmluIHZlYzMgd29ybGROb3JtYWw7CmluIHZlYzIgdXY7CnVu"
      "aWZvcm0gdmVjMyBsaWdodFBvczsKdW5pZm9ybSB2ZWMzIGNhbWVyYVBvczsKb3V0IHZlYzQgY29sb3I7CnVuaWZv"
      "cm0gc2FtcGxlckN1YmUgZW52aXJvbm1lbnQ7CnZvaWQgbWFpbigpIHsKCXZlYzMgbiA9IG5vcm1hbGl6ZSh3b3Js"
      "ZE5vcm1hbCk7Cgl2ZWMzIGwgPSBub3JtYWxpemUobGlnaHRQb3MgLSB3b3JsZFBvcyk7Cgl2ZWMzIHYgPSBub3Jt"
      "YWxpemUoY2FtZXJhUG9zIC0gd29ybGRQb3MpOwoJY29sb3IgPSB0ZXh0dXJlKGVudmlyb25tZW50LCByZWZsZWN0"
      "KC12LCBuKSk7Cn0K"}},
    {"phongGouraud",
     {"I3ZlcnNpb24gNDEwCmxheW91dChsb2NhdGlvbiA9IDApIGluIHZlYzMgcG9zaXRpb247CmxheW91dChsb2NhdGlv"
      "biA9IDEpIGluIHZlYzMgbm9ybWFsOwp1bmlmb3JtIG1hdDQgbW9kZWxNYXRyaXg7CnVuaWZvcm0gbWF0NCB2aWV3"
      "UHJvak1hdHJpeDsKdW5pZm9ybSB2ZWMzIGxpZ2h0UG9zOwp1bmlmb3JtIHZlYzMgY2FtZXJhUG9zOwp1bmlmb3Jt"
      "IGZsb2F0IHNoaW5pbmVzcyA9IDMyLjA7Cm91dCB2ZWMzIHNoYWRlOwp2b2lkIG1haW4oKSB7Cgl2ZWMzIHAgPSAo"
      "bW9kZWxNYXRyaXggKiB2ZWM0KHBvc2l0aW9uLCAxKSkueHl6OwoJdmVjMyBuID0gbm9ybWFsaXplKG1hdDMobW9k"
      "ZWxNYXRyaXgpICogbm9ybWFsKTsKCXZlYzMgbCA9IG5vcm1hbGl6ZShsaWdodFBvcyAtIHApOwoJdmVjMyBoID0g"
      "bm9ybWFsaXplKGwgKyBub3JtYWxpemUoY2FtZXJhUG9zIC0gcCkpOwoJc2hhZGUgPSB2ZWMzKDAuMSkgKyB2ZWMz"
      "KG1heChkb3QobiwgbCksIDAuMCkpICsgdmVjMyhwb3cobWF4KGRvdChuLCBoKSwgMC4wKSwgc2hpbmluZXNzKSk7"
      "CglnbF9Qb3NpdGlvbiA9IHZpZXdQcm9qTWF0cml4ICogdmVjNChwLCAxKTsKfQo=",
      "I3ZlcnNpb24gNDEwCmluIHZlYzMgc2hhZGU7CnVuaWZvcm0gdmVjMyBhbGJlZG8gPSB2ZWMzKDAuOCk7Cm91dCB2"
      "ZWM0IGNvbG9yOwp2b2lkIG1haW4oKSB7IGNvbG9yID0gdmVjNChhbGJlZG8gKiBzaGFkZSwgMSk7IH0K"}},
    {"phongGouraudBonus",
     {"I3ZlcnNpb24gNDEwCmxheW91dChsb2NhdGlvbiA9IDApIGluIHZlYzMgcG9zaXRpb247CmxheW91dChsb2NhdGlv"
      "biA9IDEpIGluIHZlYzMgbm9ybWFsOwp1bmlmb3JtIG1hdDQgbW9kZWxNYXRyaXg7CnVuaWZvcm0gbWF0NCB2aWV3"
      "UHJvak1hdHJpeDsKdW5pZm9ybSB2ZWMzIGxpZ2h0UG9zOwp1bmlmb3JtIHZlYzMgY2FtZXJhUG9zOwp1bmlmb3Jt"
      "IGZsb2F0IHNoaW5pbmVzcyA9IDMyLjA7Cm91dCB2ZWMzIHNoYWRlOwp2b2lkIG1haW4oKSB7Cgl2ZWMzIHAgPSAo"
      "bW9kZWxNYXRyaXggKiB2ZWM0KHBvc2l0aW9uLCAxKSkueHl6OwoJdmVjMyBuID0gbm9ybWFsaXplKG1hdDMobW9k"
      "ZWxNYXRyaXgpICogbm9ybWFsKTsKCXZlYzMgbCA9IG5vcm1hbGl6ZShsaWdodFBvcyAtIHApOwoJdmVjMyBoID0g"
      "bm9ybWFsaXplKGwgKyBub3JtYWxpemUoY2FtZXJhUG9zIC0gcCkpOwoJc2hhZGUgPSB2ZWMzKDAuMSkgKyB2ZWMz"
      "KG1heChkb3QobiwgbCksIDAuMCkpICsgdmVjMyhwb3cobWF4KGRvdChuLCBoKSwgMC4wKSwgc2hpbmluZXNzKSk7"
      "CglnbF9Qb3NpdGlvbiA9IHZpZXdQcm9qTWF0cml4ICogdmVjNChwLCAxKTsKfQo=",
      "I3ZlcnNpb24gNDEwCmluIHZlYzMgc2hhZGU7CnVuaWZvcm0gdmVjMyBhbGJlZG8gPSB2ZWMzKDAuOCk7CnVuaWZv"
      "cm0gZmxvYXQgZ2FtbWFWYWx1ZSA9IDIuMjsKb3V0IHZlYzQgY29sb3I7CnZvaWQgbWFpbigpIHsgY29sb3IgPSB2"
      "ZWM0KHBvdyhhbGJlZG8gKiBzaGFkZSwgdmVjMygxLjAgLyBnYW1tYVZhbHVlKSksIDEpOyB9Cg=="}},
    {"phongPhong",
     {"I3ZlcnNpb24gNDEwCmxheW91dChsb2NhdGlvbiA9IDApIGluIHZlYzMgcG9zaXRpb247CmxheW91dChsb2NhdGlv"
      "biA9IDEpIGluIHZlYzMgbm9ybWFsOwpsYXlvdXQobG9jYXRpb24gPSAyKSBpbiB2ZWMyIHRleENvb3JkczsKdW5p"
      "Zm9ybSBtYXQ0IG1vZGVsTWF0cml4Owp1bmlmb3JtIG1hdDQgdmlld1Byb2pNYXRyaXg7Cm91dCB2ZWMzIHdvcmxk"
      "UG9zOwpvdXQgdmVjMyB3b3JsZE5vcm1hbDsKb3V0IHZlYzIgdXY7CnZvaWQgbWFpbigpIHsKCXZlYzQgd29ybGQg"
      "PSBtb2RlbE1hdHJpeCAqIHZlYzQocG9zaXRpb24sIDEpOwoJd29ybGRQb3MgPSB3b3JsZC54eXo7Cgl3b3JsZE5v"
      "cm1hbCA9IG1hdDMobW9kZWxNYXRyaXgpICogbm9ybWFsOwoJdXYgPSB0ZXhDb29yZHM7CglnbF9Qb3NpdGlvbiA9"
      "IHZpZXdQcm9qTWF0cml4ICogd29ybGQ7Cn0K",
      "I3ZlcnNpb24gNDEwCmluIHZlYzMgd29ybGRQb3M7CmluIHZlYzMgd29ybGROb3JtYWw7CmluIHZlYzIgdXY7CnVu"
      "aWZvcm0gdmVjMyBsaWdodFBvczsKdW5pZm9ybSB2ZWMzIGNhbWVyYVBvczsKb3V0IHZlYzQgY29sb3I7CnVuaWZv"
      "cm0gdmVjMyBhbGJlZG8gPSB2ZWMzKDAuOCk7CnZvaWQgbWFpbigpIHsKCXZlYzMgbiA9IG5vcm1hbGl6ZSh3b3Js"
      "ZE5vcm1hbCk7Cgl2ZWMzIGwgPSBub3JtYWxpemUobGlnaHRQb3MgLSB3b3JsZFBvcyk7Cgl2ZWMzIHYgPSBub3Jt"
      "YWxpemUoY2FtZXJhUG9zIC0gd29ybGRQb3MpOwoJdmVjMyBoID0gbm9ybWFsaXplKGwgKyB2KTsKCWZsb2F0IHMg"
      "PSBwb3cobWF4KGRvdChuLCBoKSwgMC4wKSwgMzIuMCk7Cgljb2xvciA9IHZlYzQoYWxiZWRvICogKDAuMSArIG1h"
      "eChkb3QobiwgbCksIDAuMCkpICsgdmVjMyhzKSwgMSk7Cn0K"}},
    {"phongPhongBonus",
     {"I3ZlcnNpb24gNDEwCmxheW91dChsb2NhdGlvbiA9IDApIGluIHZlYzMgcG9zaXRpb247CmxheW91dChsb2NhdGlv"
      "biA9IDEpIGluIHZlYzMgbm9ybWFsOwpsYXlvdXQobG9jYXRpb24gPSAyKSBpbiB2ZWMyIHRleENvb3JkczsKdW5p"
      "Zm9ybSBtYXQ0IG1vZGVsTWF0cml4Owp1bmlmb3JtIG1hdDQgdmlld1Byb2pNYXRyaXg7Cm91dCB2ZWMzIHdvcmxk"
      "UG9zOwpvdXQgdmVjMyB3b3JsZE5vcm1hbDsKb3V0IHZlYzIgdXY7CnZvaWQgbWFpbigpIHsKCXZlYzQgd29ybGQg"
      "PSBtb2RlbE1hdHJpeCAqIHZlYzQocG9zaXRpb24sIDEpOwoJd29ybGRQb3MgPSB3b3JsZC54eXo7Cgl3b3JsZE5v"
      "cm1hbCA9IG1hdDMobW9kZWxNYXRyaXgpICogbm9ybWFsOwoJdXYgPSB0ZXhDb29yZHM7CglnbF9Qb3NpdGlvbiA9"
      "IHZpZXdQcm9qTWF0cml4ICogd29ybGQ7Cn0K",
      "I3ZlcnNpb24gNDEwCmluIHZlYzMgd29ybGRQb3M7CmluIHZlYzMgd29ybGROb3JtYWw7CmluIHZlYzIgdXY7CnVu"
      "aWZvcm0gdmVjMyBsaWdodFBvczsKdW5pZm9ybSB2ZWMzIGNhbWVyYVBvczsKb3V0IHZlYzQgY29sb3I7CnVuaWZv"
      "cm0gdmVjMyBhbGJlZG8gPSB2ZWMzKDAuOCk7CnVuaWZvcm0gZmxvYXQgc2hpbmluZXNzID0gNjQuMDsKdm9pZCBt"
      "YWluKCkgewoJdmVjMyBuID0gbm9ybWFsaXplKHdvcmxkTm9ybWFsKTsKCXZlYzMgbCA9IG5vcm1hbGl6ZShsaWdo"
      "dFBvcyAtIHdvcmxkUG9zKTsKCXZlYzMgdiA9IG5vcm1hbGl6ZShjYW1lcmFQb3MgLSB3b3JsZFBvcyk7Cgl2ZWMz"
      "IGggPSBub3JtYWxpemUobCArIHYpOwoJZmxvYXQgcyA9IHBvdyhtYXgoZG90KG4sIGgpLCAwLjApLCBzaGluaW5l"
      "c3MpOwoJY29sb3IgPSB2ZWM0KGFsYmVkbyAqICgwLjEgKyBtYXgoZG90KG4sIGwpLCAwLjApKSArIHZlYzMocyks"
      "IDEpOwp9Cg=="}},
    {"specularMap",
     {"I3ZlcnNpb24gNDEwCmxheW91dChsb2NhdGlvbiA9IDApIGluIHZlYzMgcG9zaXRpb247CmxheW91dChsb2NhdGlv"
      "biA9IDEpIGluIHZlYzMgbm9ybWFsOwpsYXlvdXQobG9jYXRpb24gPSAyKSBpbiB2ZWMyIHRleENvb3JkczsKdW5p"
      "Zm9ybSBtYXQ0IG1vZGVsTWF0cml4Owp1bmlmb3JtIG1hdDQgdmlld1Byb2pNYXRyaXg7Cm91dCB2ZWMzIHdvcmxk"
      "UG9zOwpvdXQgdmVjMyB3b3JsZE5vcm1hbDsKb3V0IHZlYzIgdXY7CnZvaWQgbWFpbigpIHsKCXZlYzQgd29ybGQg"
      "PSBtb2RlbE1hdHJpeCAqIHZlYzQocG9zaXRpb24sIDEpOwoJd29ybGRQb3MgPSB3b3JsZC54eXo7Cgl3b3JsZE5v"
      "cm1hbCA9IG1hdDMobW9kZWxNYXRyaXgpICogbm9ybWFsOwoJdXYgPSB0ZXhDb29yZHM7CglnbF9Qb3NpdGlvbiA9"
      "IHZpZXdQcm9qTWF0cml4ICogd29ybGQ7Cn0K",
      "I3ZlcnNpb24gNDEwCmluIHZlYzMgd29ybGRQb3M7CmluIHZlYzMgd29ybGROb3JtYWw7CmluIHZlYzIgdXY7CnVu"
      "aWZvcm0gdmVjMyBsaWdodFBvczsKdW5pZm9ybSB2ZWMzIGNhbWVyYVBvczsKb3V0IHZlYzQgY29sb3I7CnVuaWZv"
      "cm0gc2FtcGxlcjJEIGRpZmZ1c2U7CnVuaWZvcm0gc2FtcGxlcjJEIHNwZWN1bGFyOwp2b2lkIG1haW4oKSB7Cgl2"
      "ZWMzIG4gPSBub3JtYWxpemUod29ybGROb3JtYWwpOwoJdmVjMyBsID0gbm9ybWFsaXplKGxpZ2h0UG9zIC0gd29y"
      "bGRQb3MpOwoJdmVjMyB2ID0gbm9ybWFsaXplKGNhbWVyYVBvcyAtIHdvcmxkUG9zKTsKCXZlYzMgaCA9IG5vcm1h"
      "bGl6ZShsICsgdik7CglmbG9hdCBzID0gdGV4dHVyZShzcGVjdWxhciwgdXYpLnIgKiBwb3cobWF4KGRvdChuLCBo"
      "KSwgMC4wKSwgMzIuMCk7Cgljb2xvciA9IHZlYzQodGV4dHVyZShkaWZmdXNlLCB1dikucmdiICogbWF4KGRvdChu"
      "LCBsKSwgMC4xKSArIHZlYzMocyksIDEpOwp9Cg=="}},
    {"texture",
     {"I3ZlcnNpb24gNDEwCmxheW91dChsb2NhdGlvbiA9IDApIGluIHZlYzMgcG9zaXRpb247CmxheW91dChsb2NhdGlv"
      "biA9IDEpIGluIHZlYzMgbm9ybWFsOwpsYXlvdXQobG9jYXRpb24gPSAyKSBpbiB2ZWMyIHRleENvb3JkczsKdW5p"
      "Zm9ybSBtYXQ0IG1vZGVsTWF0cml4Owp1bmlmb3JtIG1hdDQgdmlld1Byb2pNYXRyaXg7Cm91dCB2ZWMzIHdvcmxk"
      "UG9zOwpvdXQgdmVjMyB3b3JsZE5vcm1hbDsKb3V0IHZlYzIgdXY7CnZvaWQgbWFpbigpIHsKCXZlYzQgd29ybGQg"
      "PSBtb2RlbE1hdHJpeCAqIHZlYzQocG9zaXRpb24sIDEpOwoJd29ybGRQb3MgPSB3b3JsZC54eXo7Cgl3b3JsZE5v"
      "cm1hbCA9IG1hdDMobW9kZWxNYXRyaXgpICogbm9ybWFsOwoJdXYgPSB0ZXhDb29yZHM7CglnbF9Qb3NpdGlvbiA9"
      "IHZpZXdQcm9qTWF0cml4ICogd29ybGQ7Cn0K",
      "I3ZlcnNpb24gNDEwCmluIHZlYzIgdXY7CnVuaWZvcm0gc2FtcGxlcjJEIGRpZmZ1c2U7Cm91dCB2ZWM0IGNvbG9y"
      "Owp2b2lkIG1haW4oKSB7IGNvbG9yID0gdGV4dHVyZShkaWZmdXNlLCB1dik7IH0K"}},
    {"textureBonus",
     {"I3ZlcnNpb24gNDEwCmxheW91dChsb2NhdGlvbiA9IDApIGluIHZlYzMgcG9zaXRpb247CmxheW91dChsb2NhdGlv"
      "biA9IDEpIGluIHZlYzMgbm9ybWFsOwpsYXlvdXQobG9jYXRpb24gPSAyKSBpbiB2ZWMyIHRleENvb3JkczsKdW5p"
      "Zm9ybSBtYXQ0IG1vZGVsTWF0cml4Owp1bmlmb3JtIG1hdDQgdmlld1Byb2pNYXRyaXg7Cm91dCB2ZWMzIHdvcmxk"
      "UG9zOwpvdXQgdmVjMyB3b3JsZE5vcm1hbDsKb3V0IHZlYzIgdXY7CnZvaWQgbWFpbigpIHsKCXZlYzQgd29ybGQg"
      "PSBtb2RlbE1hdHJpeCAqIHZlYzQocG9zaXRpb24sIDEpOwoJd29ybGRQb3MgPSB3b3JsZC54eXo7Cgl3b3JsZE5v"
      "cm1hbCA9IG1hdDMobW9kZWxNYXRyaXgpICogbm9ybWFsOwoJdXYgPSB0ZXhDb29yZHM7CglnbF9Qb3NpdGlvbiA9"
      "IHZpZXdQcm9qTWF0cml4ICogd29ybGQ7Cn0K",
      "I3ZlcnNpb24gNDEwCmluIHZlYzIgdXY7CnVuaWZvcm0gc2FtcGxlcjJEIGRpZmZ1c2U7CnVuaWZvcm0gdmVjMiB1"
      "dlNjYWxlID0gdmVjMigxKTsKb3V0IHZlYzQgY29sb3I7CnZvaWQgbWFpbigpIHsgY29sb3IgPSB0ZXh0dXJlKGRp"
      "ZmZ1c2UsIHV2ICogdXZTY2FsZSk7IH0K"}},
};
