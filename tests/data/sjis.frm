VERSION 5.00
Begin VB.Form frmOrder 
   Caption         =   "éÛíçì¸óÕ"
   ClientHeight    =   3000
   ClientLeft      =   60
   ClientTop       =   450
   ClientWidth     =   4800
   BeginProperty Font 
      Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
      Size            =   9
      Charset         =   128
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   3000
   ScaleWidth      =   4800
   StartUpPosition =   3  'Windows ÇÃä˘íËíl
   Begin VB.CommandButton cmdSave 
      Caption         =   "ï€ë∂(&S)"
      Height          =   375
      Left            =   3360
      TabIndex        =   2
      Top             =   2400
      Width           =   1215
   End
   Begin VB.TextBox txtCustomer 
      Height          =   330
      Left            =   1320
      TabIndex        =   1
      Text            =   "éRìcè§ìX"
      Top             =   240
      Width           =   3255
   End
   Begin VB.Label lblCustomer 
      Caption         =   "ìæà”êÊñº"
      Height          =   255
      Left            =   240
      TabIndex        =   0
      Top             =   300
      Width           =   975
   End
End
Attribute VB_Name = "frmOrder"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
