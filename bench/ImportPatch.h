#pragma once
// Counting the calls an exe makes to a system function: its import of that function is pointed
// at a replacement, which counts and calls the original. Both kinds of import are found: the
// ones the loader binds at start, and the delay-loaded ones, which are bound on their first
// call.
#include <windows.h>

#include <algorithm>
#include <cstring>

namespace vorlane::bench {

namespace importpatch {

// The headers of the image at base.
inline const IMAGE_NT_HEADERS& Headers(const unsigned char* base) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    return *reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
}

// The slot of function in an import address table, found through the name table that runs
// beside it; null when the table does not name the function (imports by ordinal are skipped).
inline ULONG_PTR* SlotOf(unsigned char* base, IMAGE_THUNK_DATA* names, IMAGE_THUNK_DATA* slots,
                         const char* function) {
    const DWORD imageSize = Headers(base).OptionalHeader.SizeOfImage;
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) || names->u1.AddressOfData >= imageSize) {
            continue;
        }
        const auto* byName =
            reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
        if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
            return &slots->u1.Function;
        }
    }
    return nullptr;
}

inline void Write(ULONG_PTR* slot, void* replacement) {
    DWORD protection = 0;
    VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection);
    *slot = reinterpret_cast<ULONG_PTR>(replacement);
    VirtualProtect(slot, sizeof(*slot), protection, &protection);
}

// The slot of dll!function among the imports bound at start; null when there is none.
inline ULONG_PTR* BoundSlot(unsigned char* base, const char* dll, const char* function) {
    const IMAGE_DATA_DIRECTORY& imports =
        Headers(base).OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) {
        return nullptr;
    }
    for (auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         module->Name != 0; ++module) {
        if (_stricmp(reinterpret_cast<const char*>(base + module->Name), dll) != 0 ||
            module->OriginalFirstThunk == 0) {
            continue;
        }
        if (ULONG_PTR* slot =
                SlotOf(base, reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk),
                       reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk), function)) {
            return slot;
        }
    }
    return nullptr;
}

// The slot of dll!function in the tables of one delay-load descriptor; null when the
// descriptor is not one of dll's or does not name the function. Only descriptors that hold
// relative addresses are read (64-bit images know no other kind), and every address is checked
// against the image, so that a few bytes that only look like a descriptor lead nowhere.
inline ULONG_PTR* DelayedSlotOf(unsigned char* base, const IMAGE_DELAYLOAD_DESCRIPTOR& module,
                                const char* dll, const char* function) {
    const DWORD imageSize = Headers(base).OptionalHeader.SizeOfImage;
    const auto inImage = [imageSize](DWORD rva, size_t size) {
        return rva != 0 && rva < imageSize && size <= imageSize - rva;
    };
    if (module.Attributes.AllAttributes != 1 || !inImage(module.DllNameRVA, std::strlen(dll) + 1) ||
        !inImage(module.ImportAddressTableRVA, sizeof(IMAGE_THUNK_DATA)) ||
        !inImage(module.ImportNameTableRVA, sizeof(IMAGE_THUNK_DATA)) ||
        _stricmp(reinterpret_cast<const char*>(base + module.DllNameRVA), dll) != 0) {
        return nullptr;
    }
    return SlotOf(base, reinterpret_cast<IMAGE_THUNK_DATA*>(base + module.ImportNameTableRVA),
                  reinterpret_cast<IMAGE_THUNK_DATA*>(base + module.ImportAddressTableRVA),
                  function);
}

// The slot of dll!function among the delay-loaded imports; null when there is none.
inline ULONG_PTR* DelayedSlot(unsigned char* base, const char* dll, const char* function) {
    const IMAGE_NT_HEADERS& headers = Headers(base);
    const IMAGE_DATA_DIRECTORY& delayed =
        headers.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT];
    if (delayed.VirtualAddress != 0) {
        for (auto* module =
                 reinterpret_cast<IMAGE_DELAYLOAD_DESCRIPTOR*>(base + delayed.VirtualAddress);
             module->DllNameRVA != 0; ++module) {
            if (ULONG_PTR* slot = DelayedSlotOf(base, *module, dll, function)) {
                return slot;
            }
        }
        return nullptr;
    }
    // GNU ld leaves the directory empty for the delay-import libraries that dlltool makes
    // (seen with binutils 2.40), so their descriptors, 4-byte aligned in some section, are
    // found by what they hold.
    // The section table follows the optional header.
    const auto* sections = reinterpret_cast<const IMAGE_SECTION_HEADER*>(
        reinterpret_cast<const unsigned char*>(&headers.OptionalHeader) +
        headers.FileHeader.SizeOfOptionalHeader);
    for (WORD i = 0; i < headers.FileHeader.NumberOfSections; ++i) {
        const IMAGE_SECTION_HEADER& section = sections[i];
        const DWORD end =
            section.VirtualAddress + std::min(section.Misc.VirtualSize, section.SizeOfRawData);
        for (DWORD at = section.VirtualAddress; at + sizeof(IMAGE_DELAYLOAD_DESCRIPTOR) <= end;
             at += 4) {
            if (ULONG_PTR* slot =
                    DelayedSlotOf(base, *reinterpret_cast<IMAGE_DELAYLOAD_DESCRIPTOR*>(base + at),
                                  dll, function)) {
                return slot;
            }
        }
    }
    return nullptr;
}

} // namespace importpatch

// Points this exe's import of dll!function at replacement and returns the function the
// import reached before, or null when the exe does not import it (or the function cannot be
// found).
inline void* PatchImport(const char* dll, const char* function, void* replacement) {
    auto* base = reinterpret_cast<unsigned char*>(GetModuleHandleW(nullptr));
    // Bound at start: the slot holds the function itself.
    if (ULONG_PTR* slot = importpatch::BoundSlot(base, dll, function)) {
        void* original = reinterpret_cast<void*>(*slot);
        importpatch::Write(slot, replacement);
        return original;
    }
    // Delay-loaded: until the first call the slot holds a stub that loads the DLL and writes
    // the function over the slot, which would undo the patch; so the function is looked up
    // here instead, and the stub is never called for this slot. The DLL stays loaded.
    if (ULONG_PTR* slot = importpatch::DelayedSlot(base, dll, function)) {
        HMODULE module = LoadLibraryA(dll);
        void* original =
            module != nullptr ? reinterpret_cast<void*>(GetProcAddress(module, function)) : nullptr;
        if (original != nullptr) {
            importpatch::Write(slot, replacement);
        }
        return original;
    }
    return nullptr;
}

} // namespace vorlane::bench
