return {
	LrSdkVersion = 6.0,
	LrToolkitIdentifier = 'com.veltrano.softhaze3',
	LrPluginName = "Veltrano Softhaze 3",
	LrExportMenuItems = {
		{ title = "Edit in Softhaze 3...", file = "EditInSofthaze.lua" },
	},
	VERSION = { major = 3, minor = 0, revision = 0 },
}
