#include "app/Vorlane.h"

#include "platform/Dispatch.h"

namespace vorlane {

std::unique_ptr<TFormVorlane> CreateApplication(ProgramHost& host, VorlaneState& state) {
    host.SetApplicationTitle("Vorlane");
    auto form = std::make_unique<TFormVorlane>(state, host.Services(), host.Arguments());
    host.CreateNativeWindow(*form);
    Dispatch([&form] { form->FormCreate(form.get()); });
    // The info dialog instance of start-up arrives with the info dialog.
    host.Services().windows.HideOwnerWindow();
    return form;
}

int RunVorlane(ProgramHost& host) {
    VorlaneState state;
    const auto form = CreateApplication(host, state);
    return host.RunMessageLoop(*form);
}

} // namespace vorlane
