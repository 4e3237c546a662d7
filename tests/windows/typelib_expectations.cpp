#include "typelib_expectations.h"

namespace orvane {
namespace {

constexpr TypeExpectation kImage{{VT_PTR, VT_SAFEARRAY, VT_UI1}, nullptr};
constexpr TypeExpectation kBool{{VT_BOOL}, nullptr};
constexpr TypeExpectation kBoolResult{{VT_PTR, VT_BOOL}, nullptr};
constexpr TypeExpectation kInt{{VT_INT}, nullptr};
constexpr TypeExpectation kIntResult{{VT_PTR, VT_INT}, nullptr};
constexpr TypeExpectation kLong{{VT_I4}, nullptr};
constexpr TypeExpectation kLongResult{{VT_PTR, VT_I4}, nullptr};
constexpr TypeExpectation kDouble{{VT_R8}, nullptr};
constexpr TypeExpectation kDoubleResult{{VT_PTR, VT_R8}, nullptr};
constexpr TypeExpectation kString{{VT_BSTR}, nullptr};
constexpr TypeExpectation kStringResult{{VT_PTR, VT_BSTR}, nullptr};

constexpr TypeExpectation Enum(const wchar_t* name) { return {{VT_USERDEFINED}, name}; }

constexpr ParamExpectation In(const wchar_t* name, TypeExpectation type) {
  return {name, PARAMFLAG_FIN, type};
}
constexpr ParamExpectation Out(const wchar_t* name, TypeExpectation type) {
  return {name, PARAMFLAG_FOUT, type};
}
constexpr ParamExpectation InOut(const wchar_t* name, TypeExpectation type) {
  return {name, PARAMFLAG_FIN | PARAMFLAG_FOUT, type};
}
constexpr ParamExpectation Retval(const wchar_t* name, TypeExpectation type) {
  return {name, PARAMFLAG_FOUT | PARAMFLAG_FRETVAL, type};
}

// An effect of the composer: the caller's image rewritten in place at a frame position.
constexpr MemberExpectation Effect(const wchar_t* name, MEMBERID dispid, const wchar_t* type_name,
                                   const wchar_t* help, const wchar_t* type_param = L"Type") {
  return {name,
          dispid,
          INVOKE_FUNC,
          {InOut(L"Image", kImage), In(L"Frame", kDouble), In(type_param, Enum(type_name))},
          help};
}

// ImageCompose

constexpr EnumMemberExpectation kPattern[] = {
    {L"PatternNone", 0},         {L"PatternSolid", 1},
    {L"PatternDots", 2},         {L"PatternDotsDense", 3},
    {L"PatternGrid", 4},         {L"PatternGridRotated", 5},
    {L"PatternLineVertical", 6}, {L"PatternLineHorizontal", 7},
    {L"PatternLineDiagonal", 8}, {L"PatternLineDiagonalRotated", 9},
    {L"PatternChess", 10},       {L"PatternDashes", 11},
    {L"PatternSpiner", 12},      {L"PatternThatches", 13},
};

constexpr EnumMemberExpectation kMosaicType[] = {
    {L"MosaicTypeSpiralIn", 1},
    {L"MosaicTypeSpiralOut", 2},
    {L"MosaicTypeStrips", 3},
    {L"MosaicTypeDissolve", 4},
    {L"MosaicTypeClockwise", 5},
    {L"MosaicTypeCounterClockwise", 6},
    {L"MosaicTypeRandom", 7},
    {L"MosaicTypeLeftTopToRightBottom", 8},
    {L"MosaicTypeRightTopToLeftBottom", 9},
    {L"MosaicTypeRightBottomToLeftTop", 10},
    {L"MosaicTypeLeftBottomToRightTop", 11},
    {L"MosaicTypeWallLeftToRight", 12},
    {L"MosaicTypeWallRightToLeft", 13},
    {L"MosaicTypeWallTopToBottom", 14},
    {L"MosaicTypeWallBottomToTop", 15},
    {L"MosaicTypeChessLeftToRight", 16},
    {L"MosaicTypeChessRightToLeft", 17},
    {L"MosaicTypeChessTopToBottom", 18},
    {L"MosaicTypeChessBottomToTop", 19},
};

constexpr EnumMemberExpectation kSideType[] = {
    {L"SideTypeLeftToRight", 0},          {L"SideTypeRightToLeft", 1},
    {L"SideTypeTopToBottom", 2},          {L"SideTypeBottomToTop", 3},
    {L"SideTypeLeftTopToRightBottom", 4}, {L"SideTypeLeftBottomToRightTop", 5},
    {L"SideTypeRightBottomToLeftTop", 6}, {L"SideTypeRightTopToLeftBottom", 7},
};

constexpr EnumMemberExpectation kRotateType[] = {
    {L"RotateTypeSingleIn", 0},
    {L"RotateTypeTwiceIn", 1},
    {L"RotateTypeSingleOut", 2},
    {L"RotateTypeTwiceOut", 3},
};

constexpr EnumMemberExpectation kDoorType[] = {
    {L"DoorTypeVerticalIn", 0},    {L"DoorTypeVerticalOut", 1}, {L"DoorTypeHorizontalIn", 2},
    {L"DoorTypeHorizontalOut", 3}, {L"DoorTypeDiagonal", 4},    {L"DoorTypeDiagonalRotated", 5},
};

constexpr EnumMemberExpectation kStripsType[] = {
    {L"StripsTypeVertical", 0},
    {L"StripsTypeHorizontal", 1},
};

constexpr EnumMemberExpectation kCenterType[] = {
    {L"CenterTypeBoxIn", 0},      {L"CenterTypeBoxOut", 1},   {L"CenterTypeDiamondIn", 2},
    {L"CenterTypeDiamondOut", 3}, {L"CenterTypeCircleIn", 4}, {L"CenterTypeCircleOut", 5},
    {L"CenterTypeCrossIn", 6},    {L"CenterTypeCrossOut", 7},
};

constexpr EnumExpectation kComposeEnums[] = {
    {L"Pattern", kPattern},       {L"MosaicType", kMosaicType}, {L"SideType", kSideType},
    {L"RotateType", kRotateType}, {L"DoorType", kDoorType},     {L"StripsType", kStripsType},
    {L"CenterType", kCenterType},
};

constexpr const wchar_t* kTilesWidthHelp =
    L"Retrieve or set the width of the tiles. Value less than 2 means no subdivisions by X.";
constexpr const wchar_t* kTilesHeightHelp =
    L"Retrieve or set the height of the tiles. Value less than 2 means no subdivisions by Y.";

constexpr MemberExpectation kComposeMembers[] = {
    {L"SetFirstImage",
     1,
     INVOKE_FUNC,
     {In(L"Image", kImage)},
     L"Set first image data: uncompressed four channel byte array."},
    {L"SetLastImage",
     2,
     INVOKE_FUNC,
     {In(L"Image", kImage)},
     L"Set last image data: uncompressed four channel byte array."},
    {L"TilesWidth", 3, INVOKE_PROPERTYGET, {Retval(L"Value", kIntResult)}, kTilesWidthHelp},
    {L"TilesWidth", 3, INVOKE_PROPERTYPUT, {In(L"Value", kInt)}, kTilesWidthHelp},
    {L"TilesHeight", 4, INVOKE_PROPERTYGET, {Retval(L"Value", kIntResult)}, kTilesHeightHelp},
    {L"TilesHeight", 4, INVOKE_PROPERTYPUT, {In(L"Value", kInt)}, kTilesHeightHelp},
    Effect(L"Fade", 5, L"Pattern",
           L"Combine two images using fading effect with specified pattern."),
    Effect(L"Mosaic", 6, L"MosaicType",
           L"Combine two images using mosaical transition effect with specified mosaic pattern.",
           L"Mosaic"),
    Effect(L"Diffuse", 7, L"SideType",
           L"Combine two images using diffusion effect with specified diffusion direction."),
    Effect(L"Rotate", 8, L"RotateType", L"Combine two images using rotation effect."),
    Effect(L"WipeDoor", 9, L"DoorType",
           L"Combine two images using specified wiping effect (door transition)."),
    Effect(L"WipeStrips", 10, L"StripsType",
           L"Combine two images using specified wiping effect (two strips cross transition)."),
    Effect(L"WipeSide", 11, L"SideType",
           L"Combine two images using specified wiping effect (side transition)."),
    Effect(L"WipeCenter", 12, L"CenterType",
           L"Combine two images using specified wiping effect (center transition)."),
    Effect(L"SlideDoor", 13, L"DoorType",
           L"Combine two images using specified sliding effect (door transition)."),
    Effect(L"SlideStrips", 14, L"StripsType",
           L"Combine two images using specified sliding effect (two strips cross transition)."),
    Effect(L"SlideSide", 15, L"SideType",
           L"Combine two images using specified sliding effect (side transition)."),
    Effect(L"SlideCenter", 16, L"CenterType",
           L"Combine two images using specified sliding effect (center transition using cross)."),
    Effect(L"PushDoor", 17, L"DoorType",
           L"Combine two images using specified pushing effect (door transition)."),
    Effect(L"PushStrips", 18, L"StripsType",
           L"Combine two images using specified pushing effect (two strips cross transition)."),
    Effect(L"PushSide", 19, L"SideType",
           L"Combine two images using specified pushing effect (side transition)."),
    Effect(L"StretchDoor", 20, L"DoorType",
           L"Combine two images using specified stretching effect (door transition)."),
    Effect(L"StretchStrips", 21, L"StripsType",
           L"Combine two images using specified stretching effect (two strips cross transition)."),
    Effect(L"StretchSide", 22, L"SideType",
           L"Combine two images using specified stretching effect (side transition)."),
    Effect(L"StretchCenter", 23, L"CenterType",
           L"Combine two images using specified stretching effect (center transition)."),
};

// ImageCompare

constexpr EnumMemberExpectation kPresetType[] = {
    {L"PresetDefault", 0},     {L"PresetAllowBorders", 1}, {L"PresetAllowResize", 2},
    {L"PresetAllowSmooth", 3}, {L"PresetAllowNoise", 4},   {L"PresetCheckAll", 5},
};

constexpr EnumExpectation kCompareEnums[] = {{L"PresetType", kPresetType}};

// A comparison option: a property with get and put under one DISPID and help string.
#define ORVANE_PROPERTY(name, dispid, value, type, result, help)       \
  {name, dispid, INVOKE_PROPERTYGET, {Retval(value, result)}, help}, { \
    name, dispid, INVOKE_PROPERTYPUT, {In(value, type)}, help          \
  }

constexpr MemberExpectation kCompareMembers[] = {
    {L"Compare",
     1,
     INVOKE_FUNC,
     {In(L"Image1", kImage), In(L"Image2", kImage), Retval(L"Equal", kBoolResult)},
     L"Compare two images using currently selected algorithm."},
    {L"GetDifference",
     2,
     INVOKE_FUNC,
     {In(L"Image1", kImage), In(L"Image2", kImage), Out(L"Difference", kImage),
      Retval(L"Success", kBoolResult)},
     L"Compare two images using currently selected algorithm and return the difference image "
     L"between two images."},
    {L"Preset",
     3,
     INVOKE_FUNC,
     {In(L"Type", Enum(L"PresetType"))},
     L"Select one of the pre-defined comparison algorithms."},
    ORVANE_PROPERTY(L"CheckBorders", 4, L"Value", kBool, kBoolResult,
                    L"Retrieve or set flag which indicates whether comparison algorithm ignores "
                    L"borders of the images."),
    ORVANE_PROPERTY(L"CheckColors", 5, L"Value", kBool, kBoolResult,
                    L"Retrieve or set flag which indicates whether comparison algorithm will "
                    L"compare pixel lightness instead of its color."),
    ORVANE_PROPERTY(L"CheckSizes", 6, L"Value", kBool, kBoolResult,
                    L"Retrieve or set flag which indicates whether comparison algorithm will "
                    L"compare images sizes."),
    ORVANE_PROPERTY(L"CheckSmooth", 7, L"Value", kBool, kBoolResult,
                    L"Retrieve or set flag which indicates whether images with different sizes "
                    L"will interpolates smoothly."),
    ORVANE_PROPERTY(L"CheckNoise", 8, L"Value", kBool, kBoolResult,
                    L"Retrieve or set flag which indicates whether comparison algorithm will "
                    L"automatically remove image noise."),
    ORVANE_PROPERTY(L"CheckMaximals", 9, L"Value", kBool, kBoolResult,
                    L"Retrieve or set flag which indicates how to compute difference between "
                    L"pixels of the images."),
    ORVANE_PROPERTY(L"CheckLevel", 10, L"Value", kDouble, kDoubleResult,
                    L"Retrieve or set difference value (in percents) which indicates when two "
                    L"images are different or equal."),
};

// ImageClipboard

constexpr MemberExpectation kClipboardMembers[] = {
    {L"GetImage",
     1,
     INVOKE_FUNC,
     {Out(L"Image", kImage), Retval(L"Success", kBoolResult)},
     L"Retrieve the image from the clipboard (if any)."},
    {L"SetImage", 2, INVOKE_FUNC, {In(L"Image", kImage)}, L"Put an image to the clipboard."},
    {L"IsImageAvailable",
     3,
     INVOKE_FUNC,
     {Retval(L"Available", kBoolResult)},
     L"Check whether clipboard contains valid image."},
};

// ImageCompress

constexpr MemberExpectation kCompressMembers[] = {
    {L"GetCompressorCount",
     10,
     INVOKE_FUNC,
     {In(L"Width", kLong), In(L"Height", kLong), Retval(L"Count", kLongResult)},
     L"Gets the number of available compressors in the system."},
    {L"GetCompressorName",
     11,
     INVOKE_FUNC,
     {In(L"Compressor", kLong), Retval(L"Name", kStringResult)},
     L"Gets the name of the compressor with specified index."},
    {L"GetCompressorDesc",
     12,
     INVOKE_FUNC,
     {In(L"Compressor", kLong), Retval(L"Desc", kStringResult)},
     L"Gets the description of the compressor with specified index."},
    {L"ConfigureCompressor",
     13,
     INVOKE_FUNC,
     {In(L"Compressor", kLong)},
     L"Configure the compressor with specified index."},
    {L"StartCompress",
     20,
     INVOKE_FUNC,
     {In(L"Compressor", kLong), In(L"Width", kLong), In(L"Height", kLong),
      Retval(L"Success", kBoolResult)},
     L"Starts the compression."},
    {L"StopCompress", 21, INVOKE_FUNC, {Retval(L"Success", kBoolResult)}, L"Stop the compression."},
    {L"IsCompress",
     22,
     INVOKE_FUNC,
     {Retval(L"Compress", kBoolResult)},
     L"Check whether compression was started."},
    {L"Compress",
     23,
     INVOKE_FUNC,
     {In(L"Image", kImage), In(L"Quality", kLong), Out(L"Array", kImage),
      Retval(L"Success", kBoolResult)},
     L"Compress the image."},
    {L"Decompress",
     30,
     INVOKE_FUNC,
     {In(L"Array", kImage), Out(L"Image", kImage), Retval(L"Success", kBoolResult)},
     L"Decompress the image."},
};

// ImageAnimate

constexpr const wchar_t* kFrameDelayHelp = L"Gets the current animation frame delay.";
constexpr const wchar_t* kBackColorHelp = L"Retrieve or set current background color.";

constexpr MemberExpectation kAnimateMembers[] = {
    {L"Start",
     1,
     INVOKE_FUNC,
     {Retval(L"Success", kBoolResult)},
     L"Start the animation with specified framerate."},
    {L"Stop", 2, INVOKE_FUNC, {Retval(L"Success", kBoolResult)}, L"Stop the animation."},
    {L"Pause", 3, INVOKE_FUNC, {Retval(L"Success", kBoolResult)}, L"Pause the animation."},
    {L"CurrentStatus",
     10,
     INVOKE_PROPERTYGET,
     {Retval(L"Status", kLongResult)},
     L"Gets the current animation status."},
    {L"CurrentFrame",
     11,
     INVOKE_PROPERTYGET,
     {Retval(L"Frame", kLongResult)},
     L"Gets the current animation frame index."},
    ORVANE_PROPERTY(L"FrameDelay", 12, L"Delay", kLong, kLongResult, kFrameDelayHelp),
    ORVANE_PROPERTY(L"BackColor", 13, L"Color", kLong, kLongResult, kBackColorHelp),
    {L"GetFrameCount",
     20,
     INVOKE_FUNC,
     {Retval(L"Count", kLongResult)},
     L"Get the number of images in collection."},
    {L"RemoveAt",
     21,
     INVOKE_FUNC,
     {In(L"ImageIndex", kLong)},
     L"Remove image with specified index."},
    {L"RemoveAll", 22, INVOKE_FUNC, {}, L"Remove all images from the collection."},
    {L"AddImage",
     23,
     INVOKE_FUNC,
     {In(L"Image", kImage), In(L"Color", kLong), Retval(L"Success", kBoolResult)},
     L"Add new image to collection."},
    {L"AddFileAvi",
     24,
     INVOKE_FUNC,
     {In(L"Path", kString), In(L"Color", kLong), Retval(L"Success", kBoolResult)},
     L"Add set of images from avi file with specified path to collection."},
};

#undef ORVANE_PROPERTY

// ImageCapture: vtable order, which is not DISPID order.

constexpr MemberExpectation kCaptureMembers[] = {
    {L"GetImage",
     1,
     INVOKE_FUNC,
     {Out(L"Image", kImage), Retval(L"Success", kBoolResult)},
     L"Capture the image."},
    {L"GetDriverCount",
     2,
     INVOKE_FUNC,
     {Retval(L"Count", kLongResult)},
     L"Retrieve the number of available capturing drivers."},
    {L"GetDriverName",
     3,
     INVOKE_FUNC,
     {In(L"Index", kLong), Retval(L"DriverName", kStringResult)},
     L"Retrieve the name of specified driver."},
    {L"StartCapture",
     4,
     INVOKE_FUNC,
     {In(L"Driver", kLong), Retval(L"Success", kBoolResult)},
     L"Start the capturing of images using specified capturing driver."},
    {L"StartCaptureEx",
     9,
     INVOKE_FUNC,
     {In(L"Driver", kLong), In(L"Width", kLong), In(L"Height", kLong),
      Retval(L"Success", kBoolResult)},
     L"Start the advanced capturing of images using specified capturing driver and capturing "
     L"settings."},
    {L"StopCapture", 5, INVOKE_FUNC, {}, L"Stop the capturing."},
    {L"IsCapturing",
     6,
     INVOKE_FUNC,
     {Retval(L"Capturing", kBoolResult)},
     L"Check whether capturing process has been started."},
    {L"IsFormatSupported",
     10,
     INVOKE_FUNC,
     {In(L"Driver", kLong), In(L"Width", kLong), In(L"Height", kLong),
      Retval(L"Supported", kBoolResult)},
     L"Check whether specified format is supported."},
    {L"ShowVideoSourceDialog", 7, INVOKE_FUNC, {}, L"Show video source management dialog."},
    {L"ShowVideoFormatDialog", 8, INVOKE_FUNC, {}, L"Show video format management dialog."},
};

constexpr TypeLibraryExpectation Library(const wchar_t* deliverable, const wchar_t* library,
                                         const wchar_t* library_help, const wchar_t* coclass,
                                         const wchar_t* coclass_help, const wchar_t* interface_name,
                                         std::span<const MemberExpectation> members,
                                         std::span<const EnumExpectation> enums = {}) {
  return {deliverable, library,      library_help,   1,       0,    0x0409,
          coclass,     coclass_help, interface_name, members, enums};
}

constexpr TypeLibraryExpectation kLibraries[] = {
    Library(L"OrvaneImageCompose", L"OrvaneImageComposeLib", L"OrvaneImageCompose 1.0 Type Library",
            L"ImageCompose", L"ImageCompose Class", L"IImageCompose", kComposeMembers,
            kComposeEnums),
    Library(L"OrvaneImageCompare", L"OrvaneImageCompareLib", L"OrvaneImageCompare 1.0 Type Library",
            L"ImageCompare", L"ImageCompare Class", L"IImageCompare", kCompareMembers,
            kCompareEnums),
    Library(L"OrvaneImageClipboard", L"OrvaneImageClipboardLib",
            L"OrvaneImageClipboard 1.0 Type Library", L"ImageClipboard", L"ImageClipboard Class",
            L"IImageClipboard", kClipboardMembers),
    Library(L"OrvaneImageCompress", L"OrvaneImageCompressLib",
            L"OrvaneImageCompress 1.0 Type Library", L"ImageCompress", L"ImageCompress Class",
            L"IImageCompress", kCompressMembers),
    Library(L"OrvaneImageAnimate", L"OrvaneImageAnimateLib", L"OrvaneImageAnimate 1.0 Type Library",
            L"ImageAnimate", L"ImageAnimate Class", L"IImageAnimate", kAnimateMembers),
    Library(L"OrvaneImageCapture", L"OrvaneImageCaptureLib", L"OrvaneImageCapture 1.0 Type Library",
            L"ImageCapture", L"ImageCapture Class", L"IImageCapture", kCaptureMembers),
};

}  // namespace

int ParamCount(const MemberExpectation& member) {
  int count = 0;
  while (count < kMaxParams && member.params[count].name != nullptr) ++count;
  return count;
}

const std::span<const TypeLibraryExpectation> kTypeLibraryExpectations = kLibraries;

}  // namespace orvane
