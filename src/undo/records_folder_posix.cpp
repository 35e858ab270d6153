#include "platform/user_folders.h"
#include "undo/records_folder.h"

namespace quorvex::undo {

std::filesystem::path defaultRecordsFolder() {
    return registryStorePath(systemUserFolders()).parent_path();
}

}  // namespace quorvex::undo
