// The compiled resources of assets/ are linked as object files, so every program that
// links quillor_assets carries them without an explicit Q_INIT_RESOURCE call.
