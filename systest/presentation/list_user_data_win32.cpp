#include "list_user_data_win32.h"

namespace Velkora {

int CListUserData::AppendRow(const ResultRow& row) {
    int index = rows.AppendRow(row);
    return OnRowsChanged() ? index : -1;
}

} // namespace Velkora
