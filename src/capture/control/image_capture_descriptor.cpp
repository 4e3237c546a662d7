// Registration identity of the ImageCapture control. The class, interface and library GUIDs
// come from the IDL; the AppID lives only in the registry.
#include "image_capture_control.h"

namespace orvane {
namespace {

// {2CCC01FB-DE40-4C15-96C6-E89208D656FF}
constexpr GUID kAppId = {
    0x2ccc01fb, 0xde40, 0x4c15, {0x96, 0xc6, 0xe8, 0x92, 0x08, 0xd6, 0x56, 0xff}};

}  // namespace

const ControlDescriptor kControlDescriptor = {
    .deliverable = L"OrvaneImageCapture",
    .prog_id = L"OrvaneImageCapture.ImageCapture.1",
    .version_independent_prog_id = L"OrvaneImageCapture.ImageCapture",
    .description = L"OrvaneImageCapture Class",
    .caption = L"Orvane ImageCapture",
    .clsid = &CLSID_ImageCapture,
    .iid = &IID_IImageCapture,
    .libid = &LIBID_OrvaneImageCaptureLib,
    .appid = &kAppId,
    .misc_status = kMiscStatusDesignTimeOnly,
    .extent_policy = ExtentPolicy::kFixed,
    .answers_property_pages = false,
    .persisted_properties = {},
    .create = CreateControl<ImageCaptureControl>,
};

}  // namespace orvane
