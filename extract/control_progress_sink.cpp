// The ZIP control's extraction: each report becomes the control's
// ExtractProgress event, raised on the extracting thread.
#include "extract/event_notice.h"
#include "extract/extract_archive.h"
#include "extract/zip_control.h"
#include "platform/window_check.h"

namespace {

constexpr int32_t kExtractProgressEvent = 1;

void ControlProgressSink(uint32_t done, uint32_t total, ExtractionJob& job) {
  const ZipControl* control = job.zipControl;
  if (control == nullptr) return;
  EventNotice notice;
  notice.formId = control->formId;
  notice.controlId = control->controlId;
  notice.eventIndex = kExtractProgressEvent;
  notice.argCount = 1;
  notice.argValues[0] = ProgressPercent(done, total);
  // A control whose window is gone gets no more events; extraction goes on.
  if (!WindowExists(control->window)) return;
  if (RaiseControlEvent(notice) == 0) return;
  // A handler that returned false asks to stop, unless it closed the window.
  if (notice.hasReturnValue == 1 && notice.returnValue == 0 && WindowExists(control->window)) {
    job.stopRequested = true;
  }
}

}  // namespace

int32_t ExtractArchive(const ZipControl& control, const std::string& archivePath,
                       const std::string& destinationFolder) {
  return ExtractArchiveWithSink(archivePath.c_str(), destinationFolder.c_str(),
                                &ControlProgressSink, &control);
}
