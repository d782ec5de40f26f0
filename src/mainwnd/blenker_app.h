// The Blenker's own application object: the start-up of the whole program on top of VWinApp's
// (single instance, the dialog colours, OLE, the main dialog and its loop).
#pragma once

#include "app/win_app.h"

namespace blenker {

class CBlenkerApp : public VWinApp {
  public:
    bool InitInstance() override;
};

}  // namespace blenker
