#include "app/Vorlane.h"

#include "platform/Dispatch.h"

namespace vorlane {

std::unique_ptr<TFormVorlane> CreateApplication(ProgramHost& host, VorlaneState& state) {
    Application& application = host.Services().application;
    application.SetTitle("Vorlane");
    auto form = std::make_unique<TFormVorlane>(state, host.Services(), host.Arguments());
    form->CreateHandle();
    Dispatch([&form] { form->FormCreate(form.get()); });
    // The info dialog instance of start-up arrives with the info dialog.
    application.HideOwnerWindow();
    return form;
}

int RunVorlane(ProgramHost& host) {
    VorlaneState state;
    const auto form = CreateApplication(host, state);
    return host.RunMessageLoop();
}

} // namespace vorlane
