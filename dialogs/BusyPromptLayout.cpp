#include "dialogs/BusyPromptLayout.h"

const wchar_t* const kBusyPromptFallbackText = L"正在修复，请稍等";
const CRect kBusyTextCrop(10, 32, 194, 72);

CString BusyPromptText(const CString& strMessage) {
    return strMessage.GetLength() >= 2 ? strMessage : CString(kBusyPromptFallbackText);
}

CRect BusyTextRect(const CRect& client, float scale) {
    const double s = scale;
    const int left = client.left + static_cast<int>(10 * s);
    const int top = static_cast<int>(client.top + client.Height() / 2 - 20 * s);
    const int right = client.right - static_cast<int>(10 * s);
    return CRect(left, top, right, top + static_cast<int>(40 * s));
}
