// Registration identity of the ImageCompare control. The class, interface and library GUIDs
// come from the IDL; the AppID lives only in the registry.
#include "image_compare_control.h"

namespace orvane {
namespace {

// {86BD42E1-E6F0-44D5-9097-FA08739D7C9B}
constexpr GUID kAppId = {
    0x86bd42e1, 0xe6f0, 0x44d5, {0x90, 0x97, 0xfa, 0x08, 0x73, 0x9d, 0x7c, 0x9b}};

}  // namespace

const ControlDescriptor kControlDescriptor = {
    .deliverable = L"OrvaneImageCompare",
    .prog_id = L"OrvaneImageCompare.ImageCompare.1",
    .version_independent_prog_id = L"OrvaneImageCompare.ImageCompare",
    .description = L"OrvaneImageCompare Class",
    .caption = L"Orvane ImageCompare",
    .clsid = &CLSID_ImageCompare,
    .iid = &IID_IImageCompare,
    .libid = &LIBID_OrvaneImageCompareLib,
    .appid = &kAppId,
    .misc_status = kMiscStatusDesignTimeOnly,
    .extent_policy = ExtentPolicy::kFixed,
    .answers_property_pages = false,
    .persisted_properties = {},
    .create = CreateControl<ImageCompareControl>,
};

}  // namespace orvane
