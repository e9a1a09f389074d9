#include "framework/CCmdTarget.h"

#include "framework/WaitCursor.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace fw {

const MessageMapEntry* FindEntry(const MessageMap* map, UINT message, UINT code, UINT id)
{
    for (; map != nullptr; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* e = map->entries; e->handler != nullptr; ++e) {
            if (e->message != message)
                continue;
            if ((message == WM_COMMAND || message == WM_NOTIFY || message == kUpdateCommandUi) &&
                (e->code != code || id < e->first_id || id > e->last_id))
                continue;
            return e;
        }
    }
    return nullptr;
}

}  // namespace fw

const fw::MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const fw::MessageMapEntry entries[] = {fw::MessageMapEntry{}};
    static const fw::MessageMap map = {nullptr, entries};
    return &map;
}

const fw::MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

bool CCmdTarget::DispatchToMap(UINT message, UINT code, UINT id, fw::MsgContext& context)
{
    const fw::MessageMapEntry* entry = fw::FindEntry(GetMessageMap(), message, code, id);
    return entry != nullptr && entry->handler(this, context);
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    const bool update = nCode == CN_UPDATE_COMMAND_UI;
    const UINT message = update ? fw::kUpdateCommandUi : WM_COMMAND;
    const UINT code = update ? 0 : static_cast<UINT>(nCode);
    const fw::MessageMapEntry* entry = fw::FindEntry(GetMessageMap(), message, code, nID);
    if (entry == nullptr)
        return FALSE;
    if (pHandlerInfo != nullptr)
        return TRUE;
    fw::MsgContext context;
    context.message = message;
    context.wParam = MAKELONG(static_cast<WORD>(nID), static_cast<WORD>(code));
    context.lParam = reinterpret_cast<LPARAM>(pExtra);
    return entry->handler(this, context) ? TRUE : FALSE;
}

void CCmdTarget::BeginWaitCursor() { fw::ChangeWaitCursor(1); }
void CCmdTarget::EndWaitCursor() { fw::ChangeWaitCursor(-1); }
void CCmdTarget::RestoreWaitCursor() { fw::ChangeWaitCursor(0); }
