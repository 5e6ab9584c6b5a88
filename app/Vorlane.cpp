#include "app/Vorlane.h"
#include "info/ShowInfoSRC.h"

#include "platform/Dispatch.h"

namespace vorlane {

std::unique_ptr<TFormVorlane> CreateApplication(ProgramHost& host, ShowInfoModule& info) {
    Application& application = host.Services().application;
    application.SetTitle("Vorlane");
    auto form = std::make_unique<TFormVorlane>(info, host.Services(), host.Arguments());
    form->CreateHandle();
    Dispatch([&form] { form->FormCreate(form.get()); });
    // One dialog exists from the start; it is never shown (each showing makes its own).
    info.MakeDialog();
    application.HideOwnerWindow();
    return form;
}

int RunVorlane(ProgramHost& host) {
    ShowInfoModule info(host.Services());
    const auto form = CreateApplication(host, info);
    return host.RunMessageLoop();
}

} // namespace vorlane
