#include "caps_tables.h"

#include <cstdarg>
#include <cstdio>
#include <iterator>

namespace caps3d {
namespace {

struct Flag {
    const char* name;
    DWORD mask;
};

#define FLAG(constant) {#constant, constant}

const Flag kCaps[] = {FLAG(D3DCAPS_READ_SCANLINE)};
const Flag kCaps2[] = {FLAG(D3DCAPS2_CANCALIBRATEGAMMA), FLAG(D3DCAPS2_CANRENDERWINDOWED),
                       FLAG(D3DCAPS2_FULLSCREENGAMMA), FLAG(D3DCAPS2_NO2DDURING3DSCENE)};
const Flag kPresentIntervals[] = {
    FLAG(D3DPRESENT_INTERVAL_IMMEDIATE), FLAG(D3DPRESENT_INTERVAL_ONE), FLAG(D3DPRESENT_INTERVAL_TWO),
    FLAG(D3DPRESENT_INTERVAL_THREE), FLAG(D3DPRESENT_INTERVAL_FOUR)};
const Flag kCursorCaps[] = {FLAG(D3DCURSORCAPS_COLOR), FLAG(D3DCURSORCAPS_LOWRES)};
const Flag kDevCaps[] = {
    FLAG(D3DDEVCAPS_CANBLTSYSTONONLOCAL), FLAG(D3DDEVCAPS_CANRENDERAFTERFLIP),
    FLAG(D3DDEVCAPS_DRAWPRIMTLVERTEX),    FLAG(D3DDEVCAPS_EXECUTESYSTEMMEMORY),
    FLAG(D3DDEVCAPS_EXECUTEVIDEOMEMORY),  FLAG(D3DDEVCAPS_HWRASTERIZATION),
    FLAG(D3DDEVCAPS_HWTRANSFORMANDLIGHT), FLAG(D3DDEVCAPS_NPATCHES),
    FLAG(D3DDEVCAPS_PUREDEVICE),          FLAG(D3DDEVCAPS_QUINTICRTPATCHES),
    FLAG(D3DDEVCAPS_RTPATCHES),           FLAG(D3DDEVCAPS_RTPATCHHANDLEZERO),
    FLAG(D3DDEVCAPS_SEPARATETEXTUREMEMORIES), FLAG(D3DDEVCAPS_TEXTURENONLOCALVIDMEM),
    FLAG(D3DDEVCAPS_TEXTURESYSTEMMEMORY), FLAG(D3DDEVCAPS_TEXTUREVIDEOMEMORY),
    FLAG(D3DDEVCAPS_TLVERTEXSYSTEMMEMORY), FLAG(D3DDEVCAPS_TLVERTEXVIDEOMEMORY)};
const Flag kMiscCaps[] = {
    FLAG(D3DPMISCCAPS_BLENDOP),  FLAG(D3DPMISCCAPS_CLIPPLANESCALEDPOINTS),
    FLAG(D3DPMISCCAPS_CLIPTLVERTS), FLAG(D3DPMISCCAPS_COLORWRITEENABLE),
    FLAG(D3DPMISCCAPS_CULLCCW),  FLAG(D3DPMISCCAPS_CULLCW),
    FLAG(D3DPMISCCAPS_CULLNONE), FLAG(D3DPMISCCAPS_LINEPATTERNREP),
    FLAG(D3DPMISCCAPS_MASKZ),    FLAG(D3DPMISCCAPS_TSSARGTEMP)};
const Flag kRasterCaps[] = {
    FLAG(D3DPRASTERCAPS_ANISOTROPY), FLAG(D3DPRASTERCAPS_ANTIALIASEDGES),
    FLAG(D3DPRASTERCAPS_COLORPERSPECTIVE), FLAG(D3DPRASTERCAPS_DITHER),
    FLAG(D3DPRASTERCAPS_FOGRANGE), FLAG(D3DPRASTERCAPS_FOGTABLE),
    FLAG(D3DPRASTERCAPS_FOGVERTEX), FLAG(D3DPRASTERCAPS_MIPMAPLODBIAS),
    FLAG(D3DPRASTERCAPS_PAT), FLAG(D3DPRASTERCAPS_STRETCHBLTMULTISAMPLE),
    FLAG(D3DPRASTERCAPS_WBUFFER), FLAG(D3DPRASTERCAPS_WFOG),
    FLAG(D3DPRASTERCAPS_ZBIAS), FLAG(D3DPRASTERCAPS_ZBUFFERLESSHSR),
    FLAG(D3DPRASTERCAPS_ZFOG), FLAG(D3DPRASTERCAPS_ZTEST)};
const Flag kCompareCaps[] = {
    FLAG(D3DPCMPCAPS_ALWAYS), FLAG(D3DPCMPCAPS_EQUAL), FLAG(D3DPCMPCAPS_GREATER),
    FLAG(D3DPCMPCAPS_GREATEREQUAL), FLAG(D3DPCMPCAPS_LESS), FLAG(D3DPCMPCAPS_LESSEQUAL),
    FLAG(D3DPCMPCAPS_NEVER), FLAG(D3DPCMPCAPS_NOTEQUAL)};
const Flag kBlendCaps[] = {
    FLAG(D3DPBLENDCAPS_BOTHINVSRCALPHA), FLAG(D3DPBLENDCAPS_BOTHSRCALPHA),
    FLAG(D3DPBLENDCAPS_DESTALPHA),       FLAG(D3DPBLENDCAPS_DESTCOLOR),
    FLAG(D3DPBLENDCAPS_INVDESTALPHA),    FLAG(D3DPBLENDCAPS_INVDESTCOLOR),
    FLAG(D3DPBLENDCAPS_INVSRCALPHA),     FLAG(D3DPBLENDCAPS_INVSRCCOLOR),
    FLAG(D3DPBLENDCAPS_ONE),             FLAG(D3DPBLENDCAPS_SRCALPHA),
    FLAG(D3DPBLENDCAPS_SRCALPHASAT),     FLAG(D3DPBLENDCAPS_SRCCOLOR),
    FLAG(D3DPBLENDCAPS_ZERO)};
const Flag kShadeCaps[] = {
    FLAG(D3DPSHADECAPS_ALPHAGOURAUDBLEND), FLAG(D3DPSHADECAPS_COLORGOURAUDRGB),
    FLAG(D3DPSHADECAPS_FOGGOURAUD), FLAG(D3DPSHADECAPS_SPECULARGOURAUDRGB)};
const Flag kTextureCaps[] = {
    FLAG(D3DPTEXTURECAPS_ALPHA), FLAG(D3DPTEXTURECAPS_ALPHAPALETTE),
    FLAG(D3DPTEXTURECAPS_CUBEMAP), FLAG(D3DPTEXTURECAPS_CUBEMAP_POW2),
    FLAG(D3DPTEXTURECAPS_MIPCUBEMAP), FLAG(D3DPTEXTURECAPS_MIPMAP),
    FLAG(D3DPTEXTURECAPS_MIPVOLUMEMAP), FLAG(D3DPTEXTURECAPS_NONPOW2CONDITIONAL),
    FLAG(D3DPTEXTURECAPS_PERSPECTIVE), FLAG(D3DPTEXTURECAPS_POW2),
    FLAG(D3DPTEXTURECAPS_PROJECTED), FLAG(D3DPTEXTURECAPS_SQUAREONLY),
    FLAG(D3DPTEXTURECAPS_TEXREPEATNOTSCALEDBYSIZE), FLAG(D3DPTEXTURECAPS_VOLUMEMAP),
    FLAG(D3DPTEXTURECAPS_VOLUMEMAP_POW2)};
const Flag kFilterCaps[] = {
    FLAG(D3DPTFILTERCAPS_MAGFAFLATCUBIC), FLAG(D3DPTFILTERCAPS_MAGFANISOTROPIC),
    FLAG(D3DPTFILTERCAPS_MAGFGAUSSIANCUBIC), FLAG(D3DPTFILTERCAPS_MAGFLINEAR),
    FLAG(D3DPTFILTERCAPS_MAGFPOINT), FLAG(D3DPTFILTERCAPS_MINFANISOTROPIC),
    FLAG(D3DPTFILTERCAPS_MINFLINEAR), FLAG(D3DPTFILTERCAPS_MINFPOINT),
    FLAG(D3DPTFILTERCAPS_MIPFLINEAR), FLAG(D3DPTFILTERCAPS_MIPFPOINT)};
const Flag kAddressCaps[] = {
    FLAG(D3DPTADDRESSCAPS_BORDER), FLAG(D3DPTADDRESSCAPS_CLAMP),
    FLAG(D3DPTADDRESSCAPS_INDEPENDENTUV), FLAG(D3DPTADDRESSCAPS_MIRROR),
    FLAG(D3DPTADDRESSCAPS_MIRRORONCE), FLAG(D3DPTADDRESSCAPS_WRAP)};
const Flag kLineCaps[] = {FLAG(D3DLINECAPS_ALPHACMP), FLAG(D3DLINECAPS_BLEND), FLAG(D3DLINECAPS_FOG),
                          FLAG(D3DLINECAPS_TEXTURE), FLAG(D3DLINECAPS_ZTEST)};
const Flag kStencilCaps[] = {
    FLAG(D3DSTENCILCAPS_DECR), FLAG(D3DSTENCILCAPS_DECRSAT), FLAG(D3DSTENCILCAPS_INCR),
    FLAG(D3DSTENCILCAPS_INCRSAT), FLAG(D3DSTENCILCAPS_INVERT), FLAG(D3DSTENCILCAPS_KEEP),
    FLAG(D3DSTENCILCAPS_REPLACE), FLAG(D3DSTENCILCAPS_ZERO)};
// The texture coordinate count is a field, not a bit: "Yes" when it is not 0.
const Flag kFvfCaps[] = {FLAG(D3DFVFCAPS_DONOTSTRIPELEMENTS), FLAG(D3DFVFCAPS_PSIZE),
                         FLAG(D3DFVFCAPS_TEXCOORDCOUNTMASK)};
const Flag kTextureOpCaps[] = {
    FLAG(D3DTEXOPCAPS_ADD), FLAG(D3DTEXOPCAPS_ADDSIGNED), FLAG(D3DTEXOPCAPS_ADDSIGNED2X),
    FLAG(D3DTEXOPCAPS_ADDSMOOTH), FLAG(D3DTEXOPCAPS_BLENDCURRENTALPHA),
    FLAG(D3DTEXOPCAPS_BLENDDIFFUSEALPHA), FLAG(D3DTEXOPCAPS_BLENDFACTORALPHA),
    FLAG(D3DTEXOPCAPS_BLENDTEXTUREALPHA), FLAG(D3DTEXOPCAPS_BLENDTEXTUREALPHAPM),
    FLAG(D3DTEXOPCAPS_BUMPENVMAP), FLAG(D3DTEXOPCAPS_BUMPENVMAPLUMINANCE),
    FLAG(D3DTEXOPCAPS_DISABLE), FLAG(D3DTEXOPCAPS_DOTPRODUCT3), FLAG(D3DTEXOPCAPS_LERP),
    FLAG(D3DTEXOPCAPS_MODULATE), FLAG(D3DTEXOPCAPS_MODULATE2X), FLAG(D3DTEXOPCAPS_MODULATE4X),
    FLAG(D3DTEXOPCAPS_MODULATEALPHA_ADDCOLOR), FLAG(D3DTEXOPCAPS_MODULATECOLOR_ADDALPHA),
    FLAG(D3DTEXOPCAPS_MODULATEINVALPHA_ADDCOLOR), FLAG(D3DTEXOPCAPS_MODULATEINVCOLOR_ADDALPHA),
    FLAG(D3DTEXOPCAPS_MULTIPLYADD), FLAG(D3DTEXOPCAPS_PREMODULATE),
    FLAG(D3DTEXOPCAPS_SELECTARG1), FLAG(D3DTEXOPCAPS_SELECTARG2), FLAG(D3DTEXOPCAPS_SUBTRACT)};
const Flag kVertexProcessingCaps[] = {
    FLAG(D3DVTXPCAPS_DIRECTIONALLIGHTS), FLAG(D3DVTXPCAPS_LOCALVIEWER),
    FLAG(D3DVTXPCAPS_MATERIALSOURCE7), FLAG(D3DVTXPCAPS_POSITIONALLIGHTS),
    FLAG(D3DVTXPCAPS_TEXGEN), FLAG(D3DVTXPCAPS_TWEENING), FLAG(D3DVTXPCAPS_NO_VSDT_UBYTE4)};

#undef FLAG

struct Group {
    const char* text;
    DWORD D3DCAPS8::*field;  // null: no flags (DeviceInfo, Caps3)
    const Flag* flags;
    size_t count;
};

#define GROUP(text, field, flags) {text, &D3DCAPS8::field, flags, std::size(flags)}

const Group kGroups[kGroupCount] = {
    {"DeviceInfo", nullptr, nullptr, 0},
    GROUP("Caps", Caps, kCaps),
    GROUP("Caps2", Caps2, kCaps2),
    {"Caps3", nullptr, nullptr, 0},
    GROUP("PresentationIntervals", PresentationIntervals, kPresentIntervals),
    GROUP("CursorCaps", CursorCaps, kCursorCaps),
    GROUP("DevCaps", DevCaps, kDevCaps),
    GROUP("PrimitiveMiscCaps", PrimitiveMiscCaps, kMiscCaps),
    GROUP("RasterCaps", RasterCaps, kRasterCaps),
    GROUP("ZCmpCaps", ZCmpCaps, kCompareCaps),
    GROUP("SrcBlendCaps", SrcBlendCaps, kBlendCaps),
    GROUP("DestBlendCaps", DestBlendCaps, kBlendCaps),
    GROUP("AlphaCmpCaps", AlphaCmpCaps, kCompareCaps),
    GROUP("ShadeCaps", ShadeCaps, kShadeCaps),
    GROUP("TextureCaps", TextureCaps, kTextureCaps),
    GROUP("TextureFilterCaps", TextureFilterCaps, kFilterCaps),
    GROUP("CubeTextureFilterCaps", CubeTextureFilterCaps, kFilterCaps),
    GROUP("VolumeTextureFilterCaps", VolumeTextureFilterCaps, kFilterCaps),
    GROUP("TextureAddressCaps", TextureAddressCaps, kAddressCaps),
    GROUP("VolumeTextureAddressCaps", VolumeTextureAddressCaps, kAddressCaps),
    GROUP("LineCaps", LineCaps, kLineCaps),
    GROUP("StencilCaps", StencilCaps, kStencilCaps),
    GROUP("FVFCaps", FVFCaps, kFvfCaps),
    GROUP("TextureOpCaps", TextureOpCaps, kTextureOpCaps),
    GROUP("VertexProcessingCaps", VertexProcessingCaps, kVertexProcessingCaps),
};

#undef GROUP

std::string Format(const char* format, ...) {
    char text[1200];  // the adapter description alone may hold 512
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

int Int(DWORD value) { return static_cast<int>(value); }

std::vector<Row> DeviceInfoRows(const D3DCAPS8& c) {
    return {
        {"Max texture dimensions", Format("%d x %d", Int(c.MaxTextureWidth), Int(c.MaxTextureHeight))},
        {"Max volume texture dimension",
         Format("%d x %d x %d", Int(c.MaxVolumeExtent), Int(c.MaxVolumeExtent), Int(c.MaxVolumeExtent))},
        {"Max texture repeat", Format("%d", Int(c.MaxTextureRepeat))},
        {"Max texture aspect ratio", Format("%d", Int(c.MaxTextureAspectRatio))},
        {"Max anisotrophy", Format("%d", Int(c.MaxAnisotropy))},
        {"Max vertex W", Format("%g", c.MaxVertexW)},
        {"Guardband clipping rectangle",
         Format("(%g,%g,%g,%g)", c.GuardBandLeft, c.GuardBandTop, c.GuardBandRight, c.GuardBandBottom)},
        {"Extents adjust", Format("%g", c.ExtentsAdjust)},
        {"Max texture blend stages", Format("%d", Int(c.MaxTextureBlendStages))},
        {"Max simultaneous textures", Format("%d", Int(c.MaxSimultaneousTextures))},
        {"Max active lights", Format("%d", Int(c.MaxActiveLights))},
        {"Max user clip planes", Format("%d", Int(c.MaxUserClipPlanes))},
        {"Max vertex blend matrices", Format("%d", Int(c.MaxVertexBlendMatrices))},
        {"Max vertex blend matrix index", Format("%d", Int(c.MaxVertexBlendMatrixIndex))},
        {"Max point size", Format("%g", c.MaxPointSize)},
        {"Max primitive count", Format("%d", Int(c.MaxPrimitiveCount))},
        {"Max vertex index ", Format("%d", Int(c.MaxVertexIndex))},
        {"Max streams", Format("%d", Int(c.MaxStreams))},
        {"Max stream stride", Format("%d", Int(c.MaxStreamStride))},
        {"Vertex shader version",
         Format("%d.%d", Int((c.VertexShaderVersion >> 8) & 0xFF), Int(c.VertexShaderVersion & 0xFF))},
        {"Max vertex shader constants", Format("%d", Int(c.MaxVertexShaderConst))},
        {"Pixel shader version",
         Format("%d.%d", Int((c.PixelShaderVersion >> 8) & 0xFF), Int(c.PixelShaderVersion & 0xFF))},
        {"Max pixel shader value", Format("%g", c.MaxPixelShaderValue)},
    };
}

}  // namespace

const char* GroupText(int group) {
    return group >= 0 && group < kGroupCount ? kGroups[group].text : "";
}

std::vector<Row> GroupRows(const D3DCAPS8& caps, int group) {
    if (group < 0 || group >= kGroupCount) return {};
    if (group == 0) return DeviceInfoRows(caps);
    const Group& g = kGroups[group];
    std::vector<Row> rows;
    if (!g.field) return rows;
    DWORD value = caps.*g.field;
    for (size_t i = 0; i < g.count; ++i)
        rows.emplace_back(g.flags[i].name, (value & g.flags[i].mask) ? "Yes" : "No");
    return rows;
}

std::string HeaderText(const char* description, const char* driver, unsigned long long version) {
    unsigned high = static_cast<unsigned>(version >> 32);
    unsigned low = static_cast<unsigned>(version & 0xFFFFFFFFu);
    return Format("%s\r\nDriver: %s\r\nVersion: %d.%d.%d.%d", description, driver,
                  static_cast<int>(high >> 16), static_cast<int>(high & 0xFFFF),
                  static_cast<int>(low >> 16), static_cast<int>(low & 0xFFFF));
}

}  // namespace caps3d
