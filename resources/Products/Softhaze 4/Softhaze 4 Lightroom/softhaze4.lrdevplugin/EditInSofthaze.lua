-- Opens the selected photos in Softhaze 4 through the path written at install time.
return {}
