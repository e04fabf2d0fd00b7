#include "app/window/form_registry.h"

#include <algorithm>
#include <array>
#include <atomic>

namespace {

// Window thread only.
std::vector<std::unique_ptr<LoadedForm>> loadedForms;
bool loopStarted = false;

// The definitions of the loaded forms, for event lookup from any thread.
// Definitions are constant data that outlive every thread, so a reader holding
// a pointer that has just been cleared still reads valid bindings.
constexpr size_t kMaxForms = 8;
std::array<std::atomic<const FormDefinition*>, kMaxForms> eventForms{};

void PublishDefinition(const FormDefinition* definition) {
  for (auto& slot : eventForms) {
    const FormDefinition* empty = nullptr;
    if (slot.compare_exchange_strong(empty, definition)) return;
  }
}

void WithdrawDefinition(const FormDefinition* definition) {
  for (auto& slot : eventForms) {
    const FormDefinition* expected = definition;
    if (slot.compare_exchange_strong(expected, nullptr)) return;
  }
}

bool DefinitionSlotFree() {
  return std::any_of(eventForms.begin(), eventForms.end(),
                     [](const auto& slot) { return slot.load() == nullptr; });
}

}  // namespace

bool AddLoadedForm(std::unique_ptr<LoadedForm> form) {
  if (!DefinitionSlotFree()) return false;
  PublishDefinition(form->definition);
  loadedForms.push_back(std::move(form));
  return true;
}

LoadedForm* FindLoadedForm(uint32_t formId) {
  for (auto& form : loadedForms) {
    if (form->definition->formId == formId && IsWindow(form->window)) return form.get();
  }
  return nullptr;
}

ControlInstance* FindControl(uint32_t formId, uint32_t controlId) {
  LoadedForm* form = FindLoadedForm(formId);
  if (!form) return nullptr;
  for (ControlInstance& control : form->controls) {
    if (control.definition->id == controlId) {
      return IsWindow(control.window) ? &control : nullptr;
    }
  }
  return nullptr;
}

void FormWindowDestroyed(HWND window) {
  auto found = std::find_if(loadedForms.begin(), loadedForms.end(),
                            [window](const auto& form) { return form->window == window; });
  if (found == loadedForms.end()) return;
  WithdrawDefinition((*found)->definition);
  loadedForms.erase(found);
  if (loadedForms.empty() && loopStarted) PostQuitMessage(0);
}

bool AnyLoadedForm() {
  return std::any_of(loadedForms.begin(), loadedForms.end(),
                     [](const auto& form) { return IsWindow(form->window); });
}

void MarkLoopStarted() { loopStarted = true; }

void ReleaseLoadedForms() {
  for (auto& form : loadedForms) WithdrawDefinition(form->definition);
  loadedForms.clear();
}

EventInvoker FindEventHandler(uint32_t formId, uint32_t controlId, int32_t eventIndex) {
  for (const auto& slot : eventForms) {
    const FormDefinition* form = slot.load();
    if (!form || form->formId != formId) continue;
    for (size_t i = 0; i < form->eventCount; ++i) {
      const EventBinding& binding = form->events[i];
      if (binding.controlId == controlId && binding.eventIndex == eventIndex) {
        return binding.invoke;
      }
    }
  }
  return nullptr;
}
