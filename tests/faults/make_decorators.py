#!/usr/bin/env python3
"""Writes the fault layer's decorators: one class per platform service, read from the service's header.

Every method becomes one line of a call shape (fault_call.h): Refused (the call fails without reaching the
service), Released (the call is carried out, then reports failure) or Passed (counted, never failed). What a
failing call returns is chosen by its return type unless the table below names the method.
Usage: make_decorators.py SOURCE_DIR OUTPUT_HEADER
"""
import re
import sys

# header, service class, accessor suffix (pf::SetX / pf::X)
SERVICES = [
    ("clock", "ClockService", "Clock"),
    ("controls", "ControlsService", "Controls"),
    ("device", "DeviceService", "Device"),
    ("draw", "DrawingService", "Drawing"),
    ("files", "FilesService", "Files"),
    ("fonts", "FontsService", "Fonts"),
    ("gdi", "GdiService", "Gdi"),
    ("locale", "LocaleService", "Locale"),
    ("module", "ModuleService", "Modules"),
    ("registry", "RegistryService", "Registry"),
    ("shell", "ShellService", "Shell"),
    ("window", "WindowService", "Windows"),
]

# What a failing call returns, by return type.
BY_TYPE = {
    "long": "kErrorOutOfMemory",
    "COLORREF": "CLR_INVALID",
    "FindHandle": "FindHandle{~std::uintptr_t{0}}",  # INVALID_HANDLE_VALUE, which windows.h redefines
}

# Calls carried out and then reported as failed: releases and ends.
RELEASED = {
    "DestroyWindow", "DeleteDC", "DeleteObject", "DestroyIcon", "FindClose", "ReleaseDC", "RegCloseKey",
    "CloseHandle", "fclose", "EndPaint", "KillTimer", "ReleaseCapture", "UnregisterClassW", "DestroyMenu",
    "EndDialog",
}

# Calls that cannot fail: their result is a state, a previous value or the receiver's answer.
PASSED = {
    "IsWindow", "IsWindowVisible", "IsWindowEnabled", "ShowWindow", "EnableWindow", "SendMessageW",
    "DefWindowProcW", "DispatchMessageW", "TranslateMessage", "SetCursor", "GetSysColor", "LiveObjects",
    "ListViewGetItemCount", "ListViewGetItemState", "ListViewSetExtendedStyle", "ListViewSetImageList",
    "ComboBoxResetContent", "ButtonGetCheck", "UpDownSetBuddy", "UpDownGetBuddy", "StaticSetIcon", "SetCapture",
    "GetDlgCtrlID", "SHHandleWMActivate", "SHHandleWMSettingChange",
}

# Failure values that the return type does not give.
FAILURE = {
    "RegSetValueExW": "ERROR_ACCESS_DENIED",
    "RegDeleteValueW": "ERROR_ACCESS_DENIED",
    "RegCloseKey": "ERROR_INVALID_HANDLE",
    "GetFileAttributesW": "INVALID_FILE_ATTRIBUTES",
    "GetMessageW": "-1",
    "ListViewInsertItem": "-1",
    "ListViewInsertColumn": "-1",
    "TabCtrlInsertItem": "-1",
    "TabCtrlGetCurSel": "-1",
    "TabCtrlSetCurSel": "-1",
    "ComboBoxAddString": "CB_ERR",
    "ComboBoxSetCurSel": "CB_ERR",
    "ComboBoxGetCurSel": "CB_ERR",
    "ComboBoxGetCount": "CB_ERR",
    "ComboBoxSelectString": "CB_ERR",
}

# What else a failing call does to its out-parameters, as the platform does.
ON_FAILURE = {
    "GetWindowTextW": "EmptyText(buffer, capacity)",
    "GetTimeFormatW": "EmptyText(out, size)",
    "GetDateFormatW": "EmptyText(out, size)",
    "GetLocaleInfoW": "EmptyText(out, size)",
    "GetModuleFileNameW": "EmptyText(buffer, static_cast<int>(size))",
    "GetTextExtentExPointW": "ClearExtent(fit, size)",
}

# A forwarding expression other than the plain call: window procedures are
# wrapped so that a procedure runs as the side (project or test) that registered it.
FORWARD = {
    "RegisterClassW": "inner_.RegisterClassW(ProcedureOfCaller(windowClass).Get())",
}


def methods(text, service):
    body = text[text.index("class " + service):]
    body = body[:body.index("\n};")]
    for m in re.finditer(r"virtual\s+([^;{~]*?)\s*=\s*0\s*;", body, re.S):
        decl = " ".join(m.group(1).split())
        head, params = decl.split("(", 1)
        params = params.rsplit(")", 1)[0].strip()
        ret, name = head.rsplit(" ", 1)
        names = [re.findall(r"\w+", p)[-1] for p in params.split(",")] if params else []
        yield ret, name, params, names


def failure_value(ret, name):
    if name in FAILURE:
        return FAILURE[name]
    if ret in BY_TYPE:
        return BY_TYPE[ret]
    if ret == "int":
        return "0"
    return ret + "{}"  # null handles, zero numbers


def method_code(service, ret, name, params, names):
    forward = FORWARD.get(name, "inner_.%s(%s)" % (name, ", ".join(names)))
    call = 'Call{"%s", "%s"}' % (service[:-len("Service")], name)
    lam = "[&] { return %s; }" % forward
    if ret == "void" or name in PASSED:
        shape = "Passed(plan_, %s, %s)" % (call, lam)
    else:
        kind = "Released" if name in RELEASED else "Refused"
        fail = failure_value(ret, name)
        extra = ", [&] { %s; }" % ON_FAILURE[name] if name in ON_FAILURE else ""
        shape = "%s<%s>(plan_, %s, %s, %s%s)" % (kind, ret, call, fail, lam, extra)
    return "  %s %s(%s) override {\n    return %s;\n  }\n" % (ret, name, params, shape)


def main():
    source, output = sys.argv[1], sys.argv[2]
    out = ["// Generated by tests/faults/make_decorators.py from the platform's service headers; do not edit.",
           "#pragma once", "", '#include "tests/faults/fault_call.h"']
    out += ['#include "platform/%s.h"' % h for h, _, _ in SERVICES]
    out += ["", "namespace pf::faults {", ""]
    count = 0
    for header, service, _ in SERVICES:
        text = open("%s/platform/%s.h" % (source, header), encoding="utf-8").read()
        out.append("class Faulty%s final : public %s {\n public:" % (service, service))
        out.append("  Faulty%s(%s& inner, FaultPlan& plan) : inner_(inner), plan_(plan) {}" % (service, service))
        for ret, name, params, names in methods(text, service):
            out.append(method_code(service, ret, name, params, names).rstrip("\n"))
            count += 1
        out.append(" private:\n  %s& inner_;\n  FaultPlan& plan_;\n};\n" % service)
    out.append("// Every decorator, one member per service, over the current services; from")
    out.append("// construction to destruction the services in use follow the caller (FollowCaller).")
    out.append("struct FaultyServices {")
    out.append("  explicit FaultyServices(FaultPlan& plan);")
    out.append("  ~FaultyServices();")
    out.append("  FaultyServices(const FaultyServices&) = delete;")
    out.append("  FaultyServices& operator=(const FaultyServices&) = delete;")
    out.append("  void Use(bool decorated);")
    for _, service, accessor in SERVICES:
        out.append("  %s& plain%s;" % (service, accessor))
        out.append("  Faulty%s faulty%s;" % (service, accessor))
    out.append("};\n")
    out.append("inline FaultyServices::FaultyServices(FaultPlan& plan)\n    : " + ",\n      ".join(
        "plain%s(%s()), faulty%s(plain%s, plan)" % (a, a, a, a) for _, _, a in SERVICES) + " {")
    out.append("  FollowCaller([](void* self, bool decorated) { static_cast<FaultyServices*>(self)->Use(decorated); }, this);")
    out.append("}\n")
    out.append("inline void FaultyServices::Use(bool decorated) {")
    out += ["  Set%s(decorated ? static_cast<%s*>(&faulty%s) : &plain%s);" % (a, s, a, a) for _, s, a in SERVICES]
    out.append("}\n")
    out.append("inline FaultyServices::~FaultyServices() {")
    out.append("  FollowCaller(nullptr, nullptr);")
    out.append("  Use(false);")
    out.append("}\n")
    out.append("constexpr int kDecoratedMethods = %d;\n" % count)
    out.append("}  // namespace pf::faults")
    with open(output, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
