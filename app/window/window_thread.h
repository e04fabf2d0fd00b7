// Carrying an operation out on the window thread. The toolkit's settings may
// be used from any thread, but windows belong to the thread that made them:
// from another thread the operation is sent (SendMessage) to a hidden window
// of the window thread, which runs it while the caller waits. Sent messages
// are served wherever the window thread takes messages, also inside modal
// loops and message boxes, so no lock is needed.
#pragma once

#include <windows.h>

// Makes the calling thread the window thread and creates its hidden
// message window; false when the window cannot be created.
bool StartWindowThreadCalls(HINSTANCE instance);
// Destroys the message window; callers on other threads are parked from now
// on, since the process is ending.
void StopWindowThreadCalls();

bool OnWindowThread();

struct WindowThreadCall {
  void (*invoke)(void* context) = nullptr;
  void* context = nullptr;
};

// Runs call on the window thread, on the calling thread when that is the
// window thread (or when there is none yet).
void SendToWindowThread(const WindowThreadCall& call);

template <typename Operation>
void RunOnWindowThread(Operation& operation) {
  WindowThreadCall call{[](void* context) { (*static_cast<Operation*>(context))(); }, &operation};
  SendToWindowThread(call);
}
