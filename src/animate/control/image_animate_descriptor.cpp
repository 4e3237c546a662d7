// Registration identity of the ImageAnimate control. The class, interface and library GUIDs
// come from the IDL; the AppID lives only in the registry.
#include "image_animate_control.h"

namespace orvane {
namespace {

// {6761D223-B387-4E79-AE17-01513BDA9435}
constexpr GUID kAppId = {
    0x6761d223, 0xb387, 0x4e79, {0xae, 0x17, 0x01, 0x51, 0x3b, 0xda, 0x94, 0x35}};

// FrameDelay and BackColor, persisted after the extent.
constexpr DISPID kPersistedProperties[] = {12, 13};

}  // namespace

const ControlDescriptor kControlDescriptor = {
    .deliverable = L"OrvaneImageAnimate",
    .prog_id = L"OrvaneImageAnimate.ImageAnimate.1",
    .version_independent_prog_id = L"OrvaneImageAnimate.ImageAnimate",
    .description = L"OrvaneImageAnimate Class",
    .caption = nullptr,
    .clsid = &CLSID_ImageAnimate,
    .iid = &IID_IImageAnimate,
    .libid = &LIBID_OrvaneImageAnimateLib,
    .appid = &kAppId,
    .misc_status = kMiscStatusVisible,
    .extent_policy = ExtentPolicy::kSizable,
    .answers_property_pages = true,
    .persisted_properties = kPersistedProperties,
    .create = CreateControl<ImageAnimateControl>,
};

}  // namespace orvane
