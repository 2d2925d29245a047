// A shared library that loads but lacks SkinH_AttachRes: what applySkin must refuse quietly.

extern "C" __attribute__((visibility("default"))) int SkinH_Detach() {
    return 0;
}
