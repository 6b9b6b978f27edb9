#pragma once
// Everything a program window needs from the framework, in one include.

#include "platform/framework/DataExchange.h"
#include "platform/framework/Dialog.h"
#include "platform/framework/DialogTemplate.h"
#include "platform/framework/MessageMap.h"
#include "platform/framework/PaintDC.h"
#include "platform/framework/WaitCursor.h"
#include "platform/framework/WinApp.h"
#include "platform/framework/Wnd.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/MessageBox.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/VirtualKeys.h"
#include "platform/windows/WindowApi.h"
