#include "hextools/trainer_link.h"

#include "editor/programming_panel.h"

namespace parvix {

TrainerLink::TrainerLink(ProgrammingPanel& w) : w_(w) {}

void TrainerLink::PortOption_Click(int /*Index*/) {}
void TrainerLink::UploadFile_Click() {}
void TrainerLink::CreateDnldString_Timer() {}
void TrainerLink::DownloadTimer_Timer() {}
void TrainerLink::PortCloseTimer_Timer() {}
void TrainerLink::CreateHexTimer_Timer() {}

}  // namespace parvix
