#include "services/WebSupports.h"

#include "services/Com.h"

#include <windows.h>
#include <exdisp.h>
#include <shellapi.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

int32_t ShellOpen(const std::wstring& target) {
    const HINSTANCE result = ShellExecuteW(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(result));
}

// The desktop's window, its view, and the Shell.Application object of the process that shows it.
bool OpenOnDesktop(const std::wstring& target, const std::wstring& folder, int showCommand) {
    const ComApartment apartment;
    const Bstr folderText(folder);
    VARIANT desktop = {}, none = {}, show = {}, in = {};
    desktop.vt = show.vt = VT_I4;
    desktop.lVal = CSIDL_DESKTOP;
    show.lVal = showCommand;
    if (!folder.empty()) {
        in.vt = VT_BSTR;
        in.bstrVal = folderText.get();
    }
    long window = 0;
    ComPointer<IShellWindows> windows;
    ComPointer<IDispatch> found, background, application;
    ComPointer<IServiceProvider> services;
    ComPointer<IShellBrowser> browser;
    ComPointer<IShellView> view;
    ComPointer<IShellFolderViewDual> folderView;
    ComPointer<IShellDispatch2> shell;
    return SUCCEEDED(CoCreateInstance(__uuidof(ShellWindows), nullptr, CLSCTX_LOCAL_SERVER, __uuidof(IShellWindows),
                                      windows.put_void())) &&
           windows->FindWindowSW(&desktop, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, found.put()) == S_OK &&
           found && SUCCEEDED(found->QueryInterface(__uuidof(IServiceProvider), services.put_void())) &&
           SUCCEEDED(services->QueryService(SID_STopLevelBrowser, __uuidof(IShellBrowser), browser.put_void())) &&
           SUCCEEDED(browser->QueryActiveShellView(view.put())) &&
           SUCCEEDED(view->GetItemObject(SVGIO_BACKGROUND, __uuidof(IDispatch), background.put_void())) &&
           SUCCEEDED(background->QueryInterface(__uuidof(IShellFolderViewDual), folderView.put_void())) &&
           SUCCEEDED(folderView->get_Application(application.put())) && application &&
           SUCCEEDED(application->QueryInterface(__uuidof(IShellDispatch2), shell.put_void())) &&
           SUCCEEDED(shell->ShellExecute(Bstr(target).get(), none, in, none, show));
}
