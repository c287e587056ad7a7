#include "net/mdlNet.h"

namespace mdlNet {

std::string getTempFolder(platform::Files& files) { return files.tempFolder(); }

}  // namespace mdlNet
