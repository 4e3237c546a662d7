// Registration identity of the ImageCompose control. The class, interface and library GUIDs
// come from the IDL; the AppID lives only in the registry.
#include "image_compose_control.h"

namespace orvane {
namespace {

// {30F1EE8A-DCFD-4541-9960-B8CEAA645DE7}
constexpr GUID kAppId = {
    0x30f1ee8a, 0xdcfd, 0x4541, {0x99, 0x60, 0xb8, 0xce, 0xaa, 0x64, 0x5d, 0xe7}};

}  // namespace

const ControlDescriptor kControlDescriptor = {
    .deliverable = L"OrvaneImageCompose",
    .prog_id = L"OrvaneImageCompose.ImageCompose.1",
    .version_independent_prog_id = L"OrvaneImageCompose.ImageCompose",
    .description = L"OrvaneImageCompose Class",
    .caption = L"Orvane ImageCompose",
    .clsid = &CLSID_ImageCompose,
    .iid = &IID_IImageCompose,
    .libid = &LIBID_OrvaneImageComposeLib,
    .appid = &kAppId,
    .misc_status = kMiscStatusDesignTimeOnly,
    .extent_policy = ExtentPolicy::kFixed,
    .answers_property_pages = false,
    .persisted_properties = {},
    .create = CreateControl<ImageComposeControl>,
};

}  // namespace orvane
