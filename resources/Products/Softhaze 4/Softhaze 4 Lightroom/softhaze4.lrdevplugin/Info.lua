return {
	LrSdkVersion = 6.0,
	LrToolkitIdentifier = 'com.veltrano.softhaze4',
	LrPluginName = "Veltrano Softhaze 4",
	LrExportMenuItems = {
		{ title = "Edit in Softhaze 4...", file = "EditInSofthaze.lua" },
	},
	VERSION = { major = 4, minor = 0, revision = 0 },
}
