#include "app/user_name.h"

#include "app/messages.h"
#include "platform/system_info.h"

namespace flenmark {

std::string GetUserName(Program& program) {
    const std::string name = SystemUserName();
    if (name.empty()) ShowMessage(program, "Unable to get current username.");
    return name;
}

}  // namespace flenmark
