#pragma once
// The root of every class that handles messages and commands through a message map.

#include "framework/CObject.h"
#include "framework/MessageMap.h"

class CCmdUI;

// Codes of OnCmdMsg beyond control notifications.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs the handler of command `nID` with notification `nCode` (CN_UPDATE_COMMAND_UI:
    // `pExtra` is the CCmdUI). With `pHandlerInfo` set it only answers whether one exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    static const fw::MessageMap* GetThisMessageMap();
    virtual const fw::MessageMap* GetMessageMap() const;
    // Runs the map entry for `context`; false when the maps have none.
    bool DispatchToMap(UINT message, UINT code, UINT id, fw::MsgContext& context);
};
