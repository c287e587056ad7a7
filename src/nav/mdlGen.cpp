#include "nav/mdlGen.h"

namespace mdlGen {

bool fileExists(platform::Files& files, std::string_view path) { return files.exists(path); }

}  // namespace mdlGen
