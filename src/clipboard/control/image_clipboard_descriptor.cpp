// Registration identity of the ImageClipboard control. The class, interface and library GUIDs
// come from the IDL; the AppID lives only in the registry.
#include "image_clipboard_control.h"

namespace orvane {
namespace {

// {45AFC5D2-8094-4773-92B9-28F35C92349C}
constexpr GUID kAppId = {
    0x45afc5d2, 0x8094, 0x4773, {0x92, 0xb9, 0x28, 0xf3, 0x5c, 0x92, 0x34, 0x9c}};

}  // namespace

const ControlDescriptor kControlDescriptor = {
    .deliverable = L"OrvaneImageClipboard",
    .prog_id = L"OrvaneImageClipboard.ImageClipboard.1",
    .version_independent_prog_id = L"OrvaneImageClipboard.ImageClipboard",
    .description = L"OrvaneImageClipboard Class",
    .caption = L"Orvane ImageClipboard",
    .clsid = &CLSID_ImageClipboard,
    .iid = &IID_IImageClipboard,
    .libid = &LIBID_OrvaneImageClipboardLib,
    .appid = &kAppId,
    .misc_status = kMiscStatusDesignTimeOnly,
    .extent_policy = ExtentPolicy::kFixed,
    .answers_property_pages = false,
    .persisted_properties = {},
    .create = CreateControl<ImageClipboardControl>,
};

}  // namespace orvane
