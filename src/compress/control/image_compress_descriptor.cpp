// Registration identity of the ImageCompress control. The class, interface and library GUIDs
// come from the IDL; the AppID lives only in the registry.
#include "image_compress_control.h"

namespace orvane {
namespace {

// {D48FB83E-E38E-48F3-88FA-3435675F7264}
constexpr GUID kAppId = {
    0xd48fb83e, 0xe38e, 0x48f3, {0x88, 0xfa, 0x34, 0x35, 0x67, 0x5f, 0x72, 0x64}};

}  // namespace

const ControlDescriptor kControlDescriptor = {
    .deliverable = L"OrvaneImageCompress",
    .prog_id = L"OrvaneImageCompress.ImageCompress.1",
    .version_independent_prog_id = L"OrvaneImageCompress.ImageCompress",
    .description = L"OrvaneImageCompress Class",
    .caption = L"Orvane ImageCompress",
    .clsid = &CLSID_ImageCompress,
    .iid = &IID_IImageCompress,
    .libid = &LIBID_OrvaneImageCompressLib,
    .appid = &kAppId,
    .misc_status = kMiscStatusDesignTimeOnly,
    .extent_policy = ExtentPolicy::kFixed,
    .answers_property_pages = true,
    .persisted_properties = {},
    .create = CreateControl<ImageCompressControl>,
};

}  // namespace orvane
